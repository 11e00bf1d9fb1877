// The dialog's placement through the real registry and the real monitor of
// the test screen: what a save writes, and where a restore puts the dialog.
#include "app/Application.h"
#include "settings/Placement.h"
#include "settings/RegistryStore.h"
#include "support/Rect.h"
#include "support/Registry.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class Placement : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryKey(theApplication.m_strRegistryKey);
        m_strKey = PlacementKey();
        ASSERT_EQ(m_strKey, "Software\\Morvane\\Zelbrant V1\\MainWindow");
        RECT rcOrigin = {0, 0, 1, 1}, rcMonitor;
        ASSERT_TRUE(GetMonitorAreas(&rcOrigin, &rcMonitor, &m_rcWork));
        m_strCopyKey = MonitorPlacementKey(m_strKey.c_str(), rcMonitor);
    }

    // The same four values under the placement key and its monitor copy.
    void WriteSavedPlacement(DWORD dwX, DWORD dwY, DWORD dwCx, DWORD dwCy)
    {
        for (const std::string &key : {m_strKey, m_strCopyKey}) {
            RegWriteDword(key.c_str(), "X", dwX);
            RegWriteDword(key.c_str(), "Y", dwY);
            RegWriteDword(key.c_str(), "CX", dwCx);
            RegWriteDword(key.c_str(), "CY", dwCy);
        }
    }

    std::vector<DWORD> StoredPlacement(const std::string &key)
    {
        std::vector<DWORD> values;
        for (const char *pszName : {"X", "Y", "CX", "CY"}) {
            DWORD dwValue;
            if (ReadStoredDword(key, pszName, &dwValue))
                values.push_back(dwValue);
        }
        return values;
    }

    std::string m_strKey;
    std::string m_strCopyKey;
    RECT m_rcWork;
};

static RECT WindowRect(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return rc;
}

TEST_F(Placement, TheTestScreenIsTheMonitorForEveryRectangleEvenFarOffIt)
{
    RECT rcFar = {-100000, 50000, -99000, 51000}, rcMonitor;
    EXPECT_TRUE(GetMonitorAreas(&rcFar, &rcMonitor, NULL));
    EXPECT_EQ(rcMonitor, (RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST_F(Placement, AWindowSavedWhileMinimisedReopensExactlyWhereItWasRestored)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 120, 400, 300));
    ShowWindow(wnd, SW_MINIMIZE);
    ASSERT_NE(WindowRect(wnd), (RECT{100, 120, 500, 420})) << "minimised in place";

    ASSERT_TRUE(SaveDialogPlacement(wnd, m_strKey.c_str()));
    std::vector<DWORD> expected = {100, 120, 400, 300};
    EXPECT_EQ(StoredPlacement(m_strKey), expected);
    EXPECT_EQ(StoredPlacement(m_strCopyKey), expected);

    RECT rc = {500, 500, 900, 800};
    EXPECT_TRUE(RestoreDialogPlacement(m_strKey.c_str(), &rc, &rc));
    EXPECT_EQ(rc, (RECT{100, 120, 500, 420}));
}

TEST_F(Placement, SavingForAHandleThatIsNoLongerAWindowWritesNothing)
{
    HWND hWnd = CreateTopLevel(WS_POPUP, 0, 100, 120, 400, 300);
    DestroyWindow(hWnd);

    EXPECT_FALSE(SaveDialogPlacement(hWnd, m_strKey.c_str()));
    EXPECT_TRUE(StoredPlacement(m_strKey).empty());
}

TEST_F(Placement, ASavedRectangleWithoutAMatchingMonitorCopyLeavesTheDialogWhereItIs)
{
    WriteSavedPlacement(100, 120, 400, 300);
    RegWriteDword(m_strCopyKey.c_str(), "CY", 299);
    RECT rcCurrent = {300, 200, 700, 500}, rc;
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent) << "a copy that differs";

    DeleteRegistryKey(m_strCopyKey);
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent) << "no copy";
}

TEST_F(Placement, ASavedRectangle50PixelsPastTheRightEdgeIsMoved50PixelsLeft)
{
    WriteSavedPlacement(m_rcWork.right - 350, 120, 400, 300);
    RECT rcCurrent = {300, 200, 700, 500}, rc;
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, (RECT{m_rcWork.right - 400, 120, m_rcWork.right, 420}));
}

TEST_F(Placement, NothingSavedANegativeWidthOrAnOverflowingRightEdgeLeavesTheDialogWhereItIsMovedOntoTheScreen)
{
    // Created off the screen: it is moved into the work area all the same.
    RECT rcCurrent = {-1000, -900, -600, -600}, rc;
    RECT rcMoved = {m_rcWork.left, m_rcWork.top, m_rcWork.left + 400, m_rcWork.top + 300};
    // A width of 0 here stands for nothing saved, as at the first run;
    // 2147483600 + 100 wraps to a right edge far left of the left one.
    struct {
        DWORD dwX, dwCx;
    } cases[] = {{0, 0}, {100, (DWORD)-10}, {2147483600, 100}};
    for (const auto &c : cases) {
        if (c.dwCx != 0)
            WriteSavedPlacement(c.dwX, 120, c.dwCx, 300);
        EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
        EXPECT_EQ(rc, rcMoved) << "X " << c.dwX << ", CX " << (LONG)c.dwCx;
    }
}

TEST_F(Placement, AWindowIsCentredOverItsOwnerOrWithoutOneInItsWorkArea)
{
    WindowHolder owner(CreateTopLevel(WS_POPUP, 0, 100, 100, 600, 400));
    HWND hWnd = CreateTopLevel(WS_POPUP, 0, 0, 0, 200, 100, owner);
    CenterWindowOverOwner(hWnd, owner);
    EXPECT_EQ(WindowRect(hWnd), (RECT{300, 250, 500, 350}));

    CenterWindowOverOwner(hWnd, NULL);
    LONG x = m_rcWork.left + (m_rcWork.right - m_rcWork.left - 200) / 2;
    LONG y = m_rcWork.top + (m_rcWork.bottom - m_rcWork.top - 100) / 2;
    EXPECT_EQ(WindowRect(hWnd), (RECT{x, y, x + 200, y + 100}));
}
