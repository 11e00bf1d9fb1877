// Rectangles between screen and client coordinates.
#include "picking/ClientRect.h"

void ScreenRectToClient(HWND hWnd, RECT *prc)
{
    POINT ptTopLeft = {prc->left, prc->top};
    POINT ptBottomRight = {prc->right, prc->bottom};
    ScreenToClient(hWnd, &ptTopLeft);
    ScreenToClient(hWnd, &ptBottomRight);
    SetRect(prc, ptTopLeft.x, ptTopLeft.y, ptBottomRight.x, ptBottomRight.y);
}
