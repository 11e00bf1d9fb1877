// Plain windows and controls, and the main dialog, for tests.
#include "support/Support.h"

HWND CreateTopLevel(DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx, int cy, HWND hWndOwner, const char *pszTitle)
{
    static const ATOM s_atom = [] {
        WNDCLASSA wc = {0, DefWindowProcA, 0, 0, GetModuleHandleA(NULL)};
        wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        wc.lpszClassName = TEST_WINDOW_CLASS;
        return RegisterClassA(&wc);
    }();
    HWND hWnd = CreateWindowExA(dwExStyle, (LPCSTR)(ULONG_PTR)s_atom, pszTitle, dwStyle & ~WS_VISIBLE, x, y, cx, cy,
                                hWndOwner, NULL, GetModuleHandleA(NULL), NULL);
    // Shown without activation: Wine hands an activated window to the X
    // window manager, and then waits two seconds for one at its destruction
    // when there is none, as under Xvfb.
    SetWindowPos(hWnd, NULL, x, y, cx, cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | ((dwStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : 0));
    PumpMessagesFor(0);
    return hWnd;
}

HWND CreateControl(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int nId,
                   const char *pszText)
{
    return CreateWindowExA(0, pszClass, pszText, WS_CHILD | dwStyle, x, y, cx, cy, hWndParent, (HMENU)(INT_PTR)nId,
                           GetModuleHandleA(NULL), NULL);
}

MainDialog::MainDialog()
    : m_dlg(NULL), m_hWnd(CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                             ZLBR_DlgZelbrant::DialogProc, (LPARAM)&m_dlg))
{
}

std::string MainDialog::Controls(std::initializer_list<int> ids) const
{
    std::string text;
    for (int nId : ids)
        text += std::string(text.empty() ? "" : " ") + (IsWindowEnabled(Item(nId)) ? "+" : "-") +
                (IsDlgButtonChecked(m_hWnd, nId) == BST_CHECKED ? "x" : "");
    return text;
}
