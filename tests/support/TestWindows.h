// Real windows for tests: plain top-level windows and controls placed at
// exact pixel positions.
#pragma once

#include <windows.h>

#include <stdlib.h>

#include <string>

// A plain white window class, registered by the first CreateTopLevel.
const char TEST_WINDOW_CLASS[] = "ZelbrantTestWindow";

// A top-level window of TEST_WINDOW_CLASS; its rectangle is exactly the one given.
HWND CreateTopLevel(DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx, int cy, HWND hWndOwner = NULL,
                    const char *pszTitle = "");
// A child window (WS_CHILD is added) at (x, y) of the parent's client area.
HWND CreateControl(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int nId = 0,
                   const char *pszText = "");

// Destroys its window (and so its children and owned windows) at the end of the scope.
class WindowHolder {
public:
    explicit WindowHolder(HWND hWnd) : m_hWnd(hWnd) {}
    ~WindowHolder()
    {
        if (IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
    }
    operator HWND() const
    {
        return m_hWnd;
    }

    HWND m_hWnd;

private:
    WindowHolder(const WindowHolder &) = delete;
    WindowHolder &operator=(const WindowHolder &) = delete;
};

// Whether a panel text shows the handle: "0x" and exactly 8 upper-case
// hexadecimal digits that read back as its value.
inline bool ShowsHandle(const std::string &text, HWND hWnd)
{
    return text.size() == 10 && text.compare(0, 2, "0x") == 0 &&
           text.find_first_not_of("0123456789ABCDEF", 2) == std::string::npos &&
           strtoul(text.c_str() + 2, NULL, 16) == (ULONG_PTR)hWnd;
}
