// Real windows for tests: plain windows and controls at exact pixel positions,
// the real main dialog, and what a user reads from any window.
#pragma once

#include "dialog/DlgZelbrant.h"

#include <ostream>
#include <string>

// A plain white window class, registered by the first CreateTopLevel.
const char TEST_WINDOW_CLASS[] = "ZelbrantTestWindow";

// A top-level window of TEST_WINDOW_CLASS whose rectangle is exactly the one given.
HWND CreateTopLevel(DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx, int cy, HWND hWndOwner = NULL,
                    const char *pszTitle = "");
// A child window (WS_CHILD is added) at (x, y) of the parent's client area.
HWND CreateControl(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int nId = 0,
                   const char *pszText = "");

// Destroys its window (and so its children and owned windows) at the end of the scope.
struct WindowHolder {
    explicit WindowHolder(HWND hWnd) : m_hWnd(hWnd) {}
    ~WindowHolder()
    {
        DestroyWindow(m_hWnd);
    }
    operator HWND() const
    {
        return m_hWnd;
    }
    WindowHolder(const WindowHolder &) = delete;
    HWND m_hWnd;
};

// The real main dialog, created modeless from the real template and dialog
// procedure; m_hWnd is null when that failed.
struct MainDialog {
    MainDialog();
    ~MainDialog()
    {
        DestroyWindow(m_hWnd);
    }
    HWND Item(int nId) const
    {
        return GetDlgItem(m_hWnd, nId);
    }
    bool IsChecked(int nId) const
    {
        return IsDlgButtonChecked(m_hWnd, nId) == BST_CHECKED;
    }
    bool IsEnabled(int nId) const
    {
        return IsWindowEnabled(Item(nId)) != FALSE;
    }
    ZLBR_DlgZelbrant m_dlg;
    HWND m_hWnd;
};

// Text of a window, read with WM_GETTEXT (works across processes).
std::string WindowText(HWND hwnd);
// Whether a panel text shows the handle: "0x" and exactly 8 upper-case
// hexadecimal digits that read back as its value.
bool ShowsHandle(const std::string &text, HWND hWnd);

inline bool operator==(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b) != FALSE;
}
inline std::ostream &operator<<(std::ostream &os, const RECT &rc)
{
    return os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}
