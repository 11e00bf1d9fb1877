// Drawing and erasing the inverted frame around the pointed window.
#include "picking/InvertedFrame.h"

#include "dialog/DlgZelbrant.h"
#include "picking/ClientRect.h"
#include "app/WindowStyle.h"

HWND GetFrameGeometry(HWND hWnd, RECT *prc)
{
    // Zeroed first: the result when there is no surface, and an empty band
    // when the window vanishes before its rectangle is read.
    SetRectEmpty(prc);
    LONG lStyle = 0;
    if (!IsWindow(hWnd) || !ReadWindowLong(hWnd, GWL_STYLE, &lStyle))
        return NULL;
    if (!IsChildStyle(lStyle)) {
        GetClientRect(hWnd, prc);
        return hWnd;
    }

    HWND hWndSurface = GetParent(hWnd);
    for (;;) {
        if (!hWndSurface || !ReadWindowLong(hWndSurface, GWL_STYLE, &lStyle))
            return NULL;
        if (!IsChildStyle(lStyle))
            break;
        hWndSurface = GetParent(hWndSurface);
    }
    GetWindowRect(hWnd, prc);
    ScreenRectToClient(hWndSurface, prc);
    return hWndSurface;
}

static void DrawLine(HDC hdc, int x1, int y1, int x2, int y2)
{
    MoveToEx(hdc, x1, y1, NULL);
    LineTo(hdc, x2, y2);
}

void InvertFrameBand(const RECT *prc, HDC hdc)
{
    // In 64 bits: a rectangle spanning more than half the int range must not
    // overflow its width. Every line lies between the rectangle's own edges.
    const int nLeft = prc->left, nTop = prc->top, nRight = prc->right, nBottom = prc->bottom;
    const long long llWidth = (long long)nRight - nLeft;
    const long long llHeight = (long long)nBottom - nTop;

    POINT ptKept;
    MoveToEx(hdc, 0, 0, &ptKept);
    HGDIOBJ hPenKept = SelectObject(hdc, GetStockObject(BLACK_PEN));
    int nRop2Kept = SetROP2(hdc, R2_NOT);

    // Rows from the outside in, alternating top and bottom; a row is drawn
    // only when the rectangle is high enough for it not to fall on another.
    if (llWidth >= 1) {
        const int anRows[6] = {nTop, nBottom - 1, nTop + 1, nBottom - 2, nTop + 2, nBottom - 3};
        for (int i = 0; i < 6 && llHeight >= i + 1; i++)
            DrawLine(hdc, nLeft, anRows[i], nRight, anRows[i]);
    }
    // Columns only between the three top and the three bottom rows.
    if (llHeight >= 7) {
        const int anColumns[6] = {nLeft, nRight - 1, nLeft + 1, nRight - 2, nLeft + 2, nRight - 3};
        for (int i = 0; i < 6 && llWidth >= i + 1; i++)
            DrawLine(hdc, anColumns[i], nTop + 3, anColumns[i], nBottom - 3);
    }

    SetROP2(hdc, nRop2Kept);
    SelectObject(hdc, hPenKept);
    MoveToEx(hdc, ptKept.x, ptKept.y, NULL);
}

// Inverts the band of hWnd on its surface, never on the program's own dialog
// (which is the surface of every one of its controls).
static bool InvertWindowFrame(HWND hWnd, HWND hWndDialog)
{
    RECT rcBand;
    HWND hWndSurface = GetFrameGeometry(hWnd, &rcBand);
    if (!hWndSurface || hWndSurface == hWndDialog)
        return false;
    HDC hdc = GetDCEx(hWndSurface, NULL, DCX_PARENTCLIP);
    if (!hdc)
        return false;
    InvertFrameBand(&rcBand, hdc);
    ReleaseDC(hWndSurface, hdc);
    return true;
}

bool ZLBR_DlgZelbrant::DrawFrame(HWND hWnd)
{
    if (!hWnd || !InvertWindowFrame(hWnd, m_hWnd))
        return false;
    m_hWndFramed = hWnd;
    return true;
}

bool ZLBR_DlgZelbrant::EraseFrame()
{
    if (!m_hWndFramed)
        return false;
    // The band is drawn again where the window is now: a window that moved
    // meanwhile leaves its old band until that part of the screen repaints.
    bool bErased = InvertWindowFrame(m_hWndFramed, m_hWnd);
    m_hWndFramed = NULL;
    return bErased;
}

void ZLBR_DlgZelbrant::EraseFrameIfShown()
{
    if (IsFrameUsed() && m_hWndFramed)
        EraseFrame();
}
