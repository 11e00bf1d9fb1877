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

TEST_F(HitTest, ADisabledButtonIsFoundWhereTheSystemSeesOnlyItsParent)
{
    HWND hWndButton = AddControl("Button", BS_PUSHBUTTON | WS_DISABLED, 20, 20, 100, 30);
    PumpMessages();
    ASSERT_NE(WindowFromPoint(OnScreen(50, 35)), hWndButton);

    EXPECT_EQ(FindAt(50, 35), hWndButton);
}

TEST_F(HitTest, AStaticTextThatLetsTheMouseThroughIsFound)
{
    HWND hWndStatic = AddControl("Static", SS_LEFT, 20, 70, 150, 20);
    PumpMessages();
    ASSERT_NE(WindowFromPoint(OnScreen(30, 75)), hWndStatic);

    EXPECT_EQ(FindAt(30, 75), hWndStatic);
}

TEST_F(HitTest, AnEditInsideAGroupBoxIsFoundWhicheverComesFirst)
{
    HWND hWndGroup = AddControl("Button", BS_GROUPBOX, 10, 10, 250, 150);
    HWND hWndEdit = AddControl("Edit", WS_BORDER, 30, 40, 100, 24);

    EnumeratedFirst(hWndGroup);
    EXPECT_EQ(FindAt(50, 50), hWndEdit) << "group box enumerated first";
    EnumeratedFirst(hWndEdit);
    EXPECT_EQ(FindAt(50, 50), hWndEdit) << "edit enumerated first";
}

TEST_F(HitTest, EmptySpaceInsideAGroupBoxGivesTheGroupBox)
{
    HWND hWndGroup = AddControl("Button", BS_GROUPBOX, 10, 10, 250, 150);
    AddControl("Edit", WS_BORDER, 30, 40, 100, 24);

    EXPECT_EQ(FindAt(200, 120), hWndGroup);
}

TEST_F(HitTest, ACheckBoxEnumeratedAfterItsGroupBoxIsFound)
{
    HWND hWndGroup = AddControl("Button", BS_GROUPBOX, 10, 10, 250, 150);
    HWND hWndCheck = AddControl("Button", BS_AUTOCHECKBOX, 30, 40, 120, 20);
    EnumeratedFirst(hWndGroup);

    EXPECT_EQ(FindAt(40, 50), hWndCheck);
}

TEST_F(HitTest, ACheckBoxEnumeratedBeforeItsGroupBoxGivesTheGroupBox)
{
    HWND hWndGroup = AddControl("Button", BS_GROUPBOX, 10, 10, 250, 150);
    HWND hWndCheck = AddControl("Button", BS_AUTOCHECKBOX, 30, 40, 120, 20);
    EnumeratedFirst(hWndCheck);

    EXPECT_EQ(FindAt(40, 50), hWndGroup);
}

TEST_F(HitTest, ALoneCheckBoxIsFound)
{
    HWND hWndCheck = AddControl("Button", BS_AUTOCHECKBOX, 30, 40, 120, 20);

    EXPECT_EQ(FindAt(40, 50), hWndCheck);
}

TEST_F(HitTest, APushButtonEndsTheSearchEvenWithAGroupBoxAfterIt)
{
    HWND hWndGroup = AddControl("Button", BS_GROUPBOX, 10, 10, 250, 150);
    HWND hWndButton = AddControl("Button", BS_PUSHBUTTON, 30, 40, 120, 30);
    EnumeratedFirst(hWndButton);

    EXPECT_EQ(FindAt(40, 50), hWndButton);
    EXPECT_NE(hWndGroup, hWndButton);
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

TEST_F(HitTest, AChildReachingBeyondItsParentsClientAreaIsHitOnlyInsideIt)
{
    HWND hWndPanel = AddControl("Static", WS_BORDER, 50, 50, 200, 150);
    RECT rcPanelClient;
    GetClientRect(hWndPanel, &rcPanelClient);
    ASSERT_LT(rcPanelClient.right, 200) << "the panel has no border";
    // Sticks out over the panel's border on the left.
    HWND hWndInner = AddControl("Button", BS_PUSHBUTTON, -10, 20, 80, 30, hWndPanel);

    EXPECT_EQ(FindAt(50, 80), hWndPanel) << "on the panel's border";
    EXPECT_EQ(FindAt(70, 80), hWndInner) << "inside the panel's client area";
}

TEST_F(HitTest, AHiddenChildIsPassedThrough)
{
    HWND hWndButton = AddControl("Button", BS_PUSHBUTTON, 20, 20, 100, 30);
    HWND hWndHidden = CreateControl(m_host, "Edit", 0, 10, 10, 300, 200);
    EnumeratedFirst(hWndHidden);

    EXPECT_EQ(FindAt(50, 35), hWndButton);
    EXPECT_EQ(FindAt(250, 150), m_host.m_hWnd);
}

TEST_F(HitTest, TheChildrenOfAHiddenPanelArePassedThrough)
{
    HWND hWndButton = AddControl("Button", BS_PUSHBUTTON, 20, 20, 100, 30);
    HWND hWndPanel = CreateControl(m_host, "Static", 0, 10, 10, 300, 200);
    AddControl("Button", BS_PUSHBUTTON, 0, 0, 300, 200, hWndPanel);
    EnumeratedFirst(hWndPanel);

    EXPECT_EQ(FindAt(50, 35), hWndButton);
}

TEST_F(HitTest, AControlInsideANestedPanelIsFoundAtTheDeepestLevel)
{
    HWND hWndOuter = AddControl("Static", 0, 10, 10, 300, 200);
    HWND hWndInner = AddControl("Static", 0, 20, 20, 200, 100, hWndOuter);
    HWND hWndEdit = AddControl("Edit", 0, 30, 30, 80, 20, hWndInner);

    EXPECT_EQ(FindAt(65, 65), hWndEdit);
    EXPECT_EQ(FindAt(200, 100), hWndInner);
    EXPECT_EQ(FindAt(300, 200), hWndOuter);
}

TEST(HitTestNowhere, APointOutsideEveryScreenGivesNull)
{
    EXPECT_EQ(FindWindowAtPoint(-30000, -30000), (HWND)NULL);
}

TEST(HitTestNowhere, APointOnTheBareDesktopGivesNull)
{
    POINT pt = {GetSystemMetrics(SM_CXSCREEN) - 3, GetSystemMetrics(SM_CYSCREEN) - 3};
    if (WindowFromPoint(pt) != GetDesktopWindow())
        GTEST_SKIP() << "another window covers the corner of the screen";

    EXPECT_EQ(FindWindowAtPoint(pt.x, pt.y), (HWND)NULL);
}
