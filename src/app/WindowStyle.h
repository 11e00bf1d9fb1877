// Reading the style words and the parent chain of any window, including other
// processes' windows that may vanish at any moment.
#pragma once

#include <windows.h>

// Reads GWL_STYLE or GWL_EXSTYLE. A style of 0 is valid, so only the last
// error tells a failure.
bool ReadWindowLong(HWND hWnd, int nIndex, LONG *plValue);

// WS_POPUP wins over WS_CHILD: such a window is placed on the screen.
inline bool IsChildStyle(LONG lStyle)
{
    return (lStyle & WS_CHILD) && !(lStyle & WS_POPUP);
}

// The last window reached by following GetParent from hWnd (the parent of a
// child window, the owner of a pop-up window): hWnd itself when it has none.
// Null when hWndExcluded is on that chain.
HWND FindParentChainEnd(HWND hWnd, HWND hWndExcluded);
