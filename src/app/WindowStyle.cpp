// Reading the style words and the parent chain of any window.
#include "app/WindowStyle.h"

bool ReadWindowLong(HWND hWnd, int nIndex, LONG *plValue)
{
    SetLastError(0);
    *plValue = GetWindowLongA(hWnd, nIndex);
    return *plValue != 0 || GetLastError() == 0;
}

HWND FindParentChainEnd(HWND hWnd, HWND hWndExcluded)
{
    HWND hWndEnd = NULL;
    for (; hWnd; hWnd = GetParent(hWnd)) {
        if (hWnd == hWndExcluded)
            return NULL;
        hWndEnd = hWnd;
    }
    return hWndEnd;
}
