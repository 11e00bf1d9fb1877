// Finding the window under a point on real window trees: controls that the
// system's own hit-test passes over, group boxes in both enumeration orders,
// hidden windows, title bars and clipping to the client area.
#include "picking/HitTest.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

class HitTest : public testing::Test {
protected:
    HitTest() : m_host(CreateTopLevel(WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, 600, 300, 400, 300)) {}

    HWND AddControl(const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, HWND hWndParent = NULL)
    {
        return CreateControl(hWndParent ? hWndParent : m_host.m_hWnd, pszClass, dwStyle | WS_VISIBLE, x, y, cx, cy);
    }

    // The screen point of a point in the host's client area.
    POINT OnScreen(int x, int y) const
    {
        POINT pt = {x, y};
        ClientToScreen(m_host, &pt);
        return pt;
    }

    HWND FindAt(int x, int y)
    {
        PumpMessages();
        POINT pt = OnScreen(x, y);
        return FindWindowAtPoint(pt.x, pt.y);
    }

    // Siblings are enumerated from the top of the Z order down.
    static void EnumeratedFirst(HWND hWnd)
    {
        SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    WindowHolder m_host;
};

TEST_F(HitTest, ADisabledButtonAndAStaticTextAreFoundWhereTheSystemSeesOnlyTheirParent)
{
    HWND hWndButton = AddControl("Button", BS_PUSHBUTTON | WS_DISABLED, 20, 20, 100, 30);
    HWND hWndStatic = AddControl("Static", SS_LEFT, 20, 70, 150, 20);
    PumpMessages();
    ASSERT_NE(WindowFromPoint(OnScreen(50, 35)), hWndButton);
    ASSERT_NE(WindowFromPoint(OnScreen(30, 75)), hWndStatic);

    EXPECT_EQ(FindAt(50, 35), hWndButton);
    EXPECT_EQ(FindAt(30, 75), hWndStatic);
}

TEST_F(HitTest, AControlInAGroupBoxReplacesItOnlyWhenThatLetsLaterWindowsThrough)
{
    struct Case {
        const char *pszClass;
        DWORD dwStyle;
        bool bGroupFirst;
        POINT pt;
        bool bGroupFound;
    } cases[] = {
        {"Edit", WS_BORDER, true, {50, 50}, false},         {"Edit", WS_BORDER, false, {50, 50}, false},
        {"Button", BS_AUTOCHECKBOX, true, {50, 50}, false}, {"Button", BS_AUTOCHECKBOX, false, {50, 50}, true},
        {"Button", BS_PUSHBUTTON, false, {50, 50}, false}, // a push button ends the search
        {"Edit", WS_BORDER, true, {200, 120}, true},       // empty space in the group box
    };
    for (const Case &c : cases) {
        WindowHolder group(AddControl("Button", BS_GROUPBOX, 10, 10, 250, 150));
        WindowHolder inner(AddControl(c.pszClass, c.dwStyle, 30, 40, 120, 24));
        EnumeratedFirst(c.bGroupFirst ? group : inner);

        EXPECT_EQ(FindAt(c.pt.x, c.pt.y), c.bGroupFound ? group.m_hWnd : inner.m_hWnd)
            << c.pszClass << " " << c.dwStyle << (c.bGroupFirst ? " after" : " before") << " the group box at "
            << c.pt.x << ", " << c.pt.y;
    }
}

TEST_F(HitTest, AHiddenPanelAndTheChildrenItHidesArePassedThrough)
{
    HWND hWndButton = AddControl("Button", BS_PUSHBUTTON, 20, 20, 100, 30);
    HWND hWndHidden = CreateControl(m_host, "Static", 0, 10, 10, 300, 200);
    AddControl("Button", BS_PUSHBUTTON, 0, 0, 300, 200, hWndHidden);
    EnumeratedFirst(hWndHidden);

    EXPECT_EQ(FindAt(50, 35), hWndButton);
    EXPECT_EQ(FindAt(250, 150), m_host.m_hWnd);
}

TEST_F(HitTest, AChildReachingBeyondItsParentsClientAreaIsHitOnlyInsideIt)
{
    HWND hWndPanel = AddControl("Static", WS_BORDER, 50, 50, 200, 150);
    // Sticks out over the panel's border on the left.
    HWND hWndInner = AddControl("Button", BS_PUSHBUTTON, -10, 20, 80, 30, hWndPanel);

    EXPECT_EQ(FindAt(50, 80), hWndPanel) << "on the panel's border";
    EXPECT_EQ(FindAt(70, 80), hWndInner) << "inside the panel's client area";
}

TEST(HitTestTitleBar, APointOnTheTitleBarGivesTheTopLevelWindow)
{
    // Wine leaves the title bar of a normal captioned window to the X window
    // manager and does not count it as part of the window (so the system
    // answers with the desktop there); the title bar of a tool window it
    // draws itself, as Windows does for every window.
    WindowHolder host(
        CreateTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 600, 300, 400, 300));
    // A child reaching up over the title bar must not be hit there.
    CreateControl(host, "Button", WS_VISIBLE | BS_PUSHBUTTON, 0, -40, 200, 80);
    RECT rcWindow;
    GetWindowRect(host, &rcWindow);
    POINT ptClient = {0, 0};
    ClientToScreen(host, &ptClient);
    ASSERT_GT(ptClient.y - rcWindow.top, 4) << "the window has no title bar";
    PumpMessages();

    EXPECT_EQ(FindWindowAtPoint(ptClient.x + 20, (rcWindow.top + ptClient.y) / 2), host.m_hWnd);
}

TEST(HitTestNowhere, APointWithoutAWindowGivesNull)
{
    EXPECT_EQ(FindWindowAtPoint(-30000, -30000), (HWND)NULL);
    POINT pt = {GetSystemMetrics(SM_CXSCREEN) - 3, GetSystemMetrics(SM_CYSCREEN) - 3};
    if (WindowFromPoint(pt) != GetDesktopWindow())
        GTEST_SKIP() << "another window covers the corner of the screen";
    EXPECT_EQ(FindWindowAtPoint(pt.x, pt.y), (HWND)NULL) << "on the bare desktop";
}
