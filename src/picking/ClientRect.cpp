// Rectangles between screen and client coordinates.
#include "picking/ClientRect.h"

void ScreenRectToClient(HWND hWnd, RECT *prc)
{
    // Two points are mapped as a rectangle: in a right-to-left window, whose
    // client x runs leftwards from its right edge, the system swaps the
    // mirrored left and right edges back.
    MapWindowPoints(HWND_DESKTOP, hWnd, (POINT *)prc, 2);
}
