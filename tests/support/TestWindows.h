// Real windows for tests: plain top-level windows and controls placed at
// exact pixel positions, destroyed when the test's holder goes away.
#pragma once

#include <windows.h>

// A plain window class of the test program (white background, default
// window procedure), registered on first use.
const char *TestWindowClass();

// A top-level window of TestWindowClass; its rectangle is exactly the one given.
HWND CreateTopLevel(DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx, int cy, HWND hWndOwner = NULL,
                    const char *pszTitle = "");

// A child window (WS_CHILD is added) at (x, y) of the parent's client area.
HWND CreateControl(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int nId = 0,
                   const char *pszText = "");

// Handles every message already queued for this thread.
void PumpMessages();

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
