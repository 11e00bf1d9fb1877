// Plain windows and controls for tests.
#include "support/TestWindows.h"

const char *TestWindowClass()
{
    static const char s_szClass[] = "ZelbrantTestWindow";
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.hCursor = LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        wc.lpszClassName = s_szClass;
        s_bRegistered = RegisterClassA(&wc) != 0;
    }
    return s_szClass;
}

HWND CreateTopLevel(DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx, int cy, HWND hWndOwner, const char *pszTitle)
{
    HWND hWnd = CreateWindowExA(dwExStyle, TestWindowClass(), pszTitle, dwStyle & ~WS_VISIBLE, x, y, cx, cy, hWndOwner,
                                NULL, GetModuleHandleA(NULL), NULL);
    // Shown without activation: Wine hands an activated window to the X
    // window manager, and then waits two seconds for one at its destruction
    // when there is none, as under Xvfb.
    SetWindowPos(hWnd, NULL, x, y, cx, cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | ((dwStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : 0));
    PumpMessages();
    return hWnd;
}

HWND CreateControl(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int nId,
                   const char *pszText)
{
    return CreateWindowExA(0, pszClass, pszText, WS_CHILD | dwStyle, x, y, cx, cy, hWndParent, (HMENU)(INT_PTR)nId,
                           GetModuleHandleA(NULL), NULL);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
