// Reading the style words of any window.
#include "picking/WindowStyle.h"

bool ReadWindowLong(HWND hWnd, int nIndex, LONG *plValue)
{
    SetLastError(0);
    *plValue = GetWindowLongA(hWnd, nIndex);
    return *plValue != 0 || GetLastError() == 0;
}
