// Finding the window under a point on real window trees: controls that the
// system's own hit-test passes over, group boxes in both enumeration orders,
// hidden windows, title bars, clipping to the client area, and no window.
#include "picking/HitTest.h"
#include "support/MouseInput.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

TEST(FindWindowAtPoint, FindsTheDeepestVisibleWindowThatHoldsThePointByGeometry)
{
    WindowHolder host(CreateTopLevel(WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, 600, 300, 400, 300));
    auto add = [&](const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, HWND hWndParent = NULL) {
        return CreateControl(hWndParent ? hWndParent : host.m_hWnd, pszClass, dwStyle, x, y, cx, cy);
    };
    auto findAt = [&](int x, int y) { // a point of the host's client area
        PumpMessagesFor(0);
        POINT pt = {x, y};
        ClientToScreen(host.m_hWnd, &pt);
        return FindWindowAtPoint(pt.x, pt.y);
    };
    // Siblings are enumerated from the top of the Z order down.
    auto enumeratedFirst = [](HWND hWnd) {
        SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    };
    struct Case {
        const char *pszClass;
        DWORD dwStyle;
        bool bGroupFirst;
        int x, y;
        bool bGroupFound;
    } cases[] = {
        {"Edit", WS_BORDER, true, 50, 50, false},         {"Edit", WS_BORDER, false, 50, 50, false},
        {"Button", BS_AUTOCHECKBOX, true, 50, 50, false}, {"Button", BS_AUTOCHECKBOX, false, 50, 50, true},
        {"Button", BS_PUSHBUTTON, false, 50, 50, false}, // a push button ends the search
        {"Edit", WS_BORDER, true, 200, 120, true},       // empty space in the group box
    };
    for (const Case &c : cases) {
        WindowHolder group(add("Button", WS_VISIBLE | BS_GROUPBOX, 10, 10, 250, 150));
        WindowHolder inner(add(c.pszClass, WS_VISIBLE | c.dwStyle, 30, 40, 120, 24));
        enumeratedFirst(c.bGroupFirst ? group.m_hWnd : inner.m_hWnd);
        EXPECT_EQ(findAt(c.x, c.y), c.bGroupFound ? group.m_hWnd : inner.m_hWnd)
            << c.pszClass << " " << c.dwStyle << (c.bGroupFirst ? " after" : " before") << " the group box at " << c.x
            << ", " << c.y;
    }

    // A disabled button and a static text, which the system passes over.
    HWND hWndButton = add("Button", WS_VISIBLE | WS_DISABLED, 20, 20, 100, 30);
    HWND hWndStatic = add("Static", WS_VISIBLE, 20, 70, 150, 20);
    // A hidden panel, and a button inside it, over them.
    HWND hWndHidden = add("Static", 0, 10, 10, 300, 200);
    add("Button", WS_VISIBLE, 0, 0, 300, 200, hWndHidden);
    enumeratedFirst(hWndHidden);
    // A panel with a border, and a button sticking out over it on the left.
    HWND hWndPanel = add("Static", WS_VISIBLE | WS_BORDER, 50, 230, 200, 60);
    HWND hWndInner = add("Button", WS_VISIBLE, -10, 20, 80, 30, hWndPanel);
    EXPECT_EQ(findAt(50, 35), hWndButton);
    EXPECT_EQ(findAt(30, 75), hWndStatic);
    EXPECT_EQ(findAt(250, 150), host.m_hWnd) << "the hidden panel is passed through";
    EXPECT_EQ(findAt(50, 260), hWndPanel) << "on the panel's border";
    EXPECT_EQ(findAt(70, 260), hWndInner) << "inside the panel's client area";

    EXPECT_EQ(FindWindowAtPoint(-30000, -30000), (HWND)NULL);
}

TEST(FindWindowAtPoint, APointOnTheTitleBarGivesTheTopLevelWindow)
{
    // Wine leaves the title bar of a normal captioned window to the X window
    // manager and does not count it as part of the window (so the system
    // answers with the desktop there); the title bar of a tool window it
    // draws itself, as Windows does for every window.
    WindowHolder host(
        CreateTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 600, 300, 400, 300));
    // A child reaching up over the title bar must not be hit there.
    CreateControl(host.m_hWnd, "Button", WS_VISIBLE, 0, -40, 200, 80);
    RECT rcWindow;
    GetWindowRect(host.m_hWnd, &rcWindow);
    POINT ptClient = {0, 0};
    ClientToScreen(host.m_hWnd, &ptClient);
    ASSERT_GT(ptClient.y - rcWindow.top, 4) << "the window has no title bar";
    PumpMessagesFor(0);

    EXPECT_EQ(FindWindowAtPoint(ptClient.x + 20, (rcWindow.top + ptClient.y) / 2), host.m_hWnd);
    POINT ptCorner = {GetSystemMetrics(SM_CXSCREEN) - 3, GetSystemMetrics(SM_CYSCREEN) - 3};
    if (WindowFromPoint(ptCorner) == GetDesktopWindow()) {
        EXPECT_EQ(FindWindowAtPoint(ptCorner.x, ptCorner.y), (HWND)NULL) << "on the bare desktop";
    }
}
