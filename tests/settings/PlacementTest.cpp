// The dialog's placement through the real registry and the real monitor of
// the test screen: what a save writes, and where a restore puts the dialog.
#include "app/Application.h"
#include "settings/Placement.h"
#include "settings/RegistryStore.h"
#include "support/Rect.h"
#include "support/Registry.h"

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
        RECT rcOrigin = {0, 0, 1, 1};
        ASSERT_TRUE(GetMonitorAreas(&rcOrigin, &m_rcMonitor, &m_rcWork));
        m_strCopyKey = MonitorPlacementKey(m_strKey.c_str(), m_rcMonitor);
    }
    void TearDown() override
    {
        for (HWND hWnd : m_windows)
            DestroyWindow(hWnd);
    }

    // Hidden: nothing here needs the window shown, and under Wine and Xvfb
    // every shown top-level window costs about two seconds.
    HWND CreatePopup(int x, int y, int cx, int cy, HWND hWndOwner = NULL)
    {
        HWND hWnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, x, y, cx, cy, hWndOwner, NULL, NULL, NULL);
        m_windows.push_back(hWnd);
        return hWnd;
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
    RECT m_rcMonitor;
    RECT m_rcWork;
    std::vector<HWND> m_windows;
};

static RECT WindowRect(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return rc;
}

TEST_F(Placement, TheTestScreenIsTheMonitorForEveryRectangleEvenFarOffIt)
{
    RECT rcFar = {-100000, 50000, -99000, 51000}, rcMonitor, rcWork;
    EXPECT_TRUE(GetMonitorAreas(&rcFar, &rcMonitor, &rcWork));
    EXPECT_EQ(rcMonitor, (RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_EQ(rcWork, m_rcWork);
    EXPECT_EQ(m_strCopyKey, m_strKey + "\\MonitorRectangle(0,0," + std::to_string(rcMonitor.right) + "," +
                                std::to_string(rcMonitor.bottom) + ")");
}

TEST_F(Placement, ASavedWindowReopensExactlyWhereItWas)
{
    HWND hWnd = CreatePopup(100, 120, 400, 300);
    ASSERT_TRUE(SaveDialogPlacement(hWnd, m_strKey.c_str()));
    std::vector<DWORD> expected = {100, 120, 400, 300};
    EXPECT_EQ(StoredPlacement(m_strKey), expected);
    EXPECT_EQ(StoredPlacement(m_strCopyKey), expected);

    RECT rc = {500, 500, 900, 800};
    EXPECT_TRUE(RestoreDialogPlacement(m_strKey.c_str(), &rc, &rc));
    EXPECT_EQ(rc, (RECT{100, 120, 500, 420}));
}

TEST_F(Placement, SavingWhileMinimisedWritesTheRestoredRectangle)
{
    HWND hWnd = CreatePopup(100, 120, 400, 300);
    ShowWindow(hWnd, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(hWnd));
    ASSERT_NE(WindowRect(hWnd), (RECT{100, 120, 500, 420}));

    ASSERT_TRUE(SaveDialogPlacement(hWnd, m_strKey.c_str()));
    EXPECT_EQ(StoredPlacement(m_strKey), (std::vector<DWORD>{100, 120, 400, 300}));
}

TEST_F(Placement, SavingForAHandleThatIsNoLongerAWindowWritesNothing)
{
    HWND hWnd = CreatePopup(100, 120, 400, 300);
    DestroyWindow(hWnd);
    m_windows.clear();

    EXPECT_FALSE(SaveDialogPlacement(hWnd, m_strKey.c_str()));
    EXPECT_TRUE(StoredPlacement(m_strKey).empty());
}

TEST_F(Placement, ASavedRectangleWithoutItsMonitorCopyLeavesTheDialogWhereItIs)
{
    WriteSavedPlacement(100, 120, 400, 300);
    DeleteRegistryKey(m_strCopyKey);
    RECT rcCurrent = {300, 200, 700, 500}, rc;
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent);

    // A copy that disagrees in one value counts as none.
    RegWriteDword(m_strCopyKey.c_str(), "X", 100);
    RegWriteDword(m_strCopyKey.c_str(), "Y", 120);
    RegWriteDword(m_strCopyKey.c_str(), "CX", 400);
    RegWriteDword(m_strCopyKey.c_str(), "CY", 299);
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent);
}

TEST_F(Placement, ASavedRectangle50PixelsPastTheRightEdgeIsMoved50PixelsLeft)
{
    WriteSavedPlacement(m_rcWork.right - 350, 120, 400, 300);
    RECT rcCurrent = {300, 200, 700, 500}, rc;
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, (RECT{m_rcWork.right - 400, 120, m_rcWork.right, 420}));
}

TEST_F(Placement, ANegativeWidthOrAnOverflowingRightEdgeMakesTheSavedPlacementUnusable)
{
    RECT rcCurrent = {300, 200, 700, 500}, rc;
    WriteSavedPlacement(100, 120, (DWORD)-10, 300);
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent);

    // 2147483600 + 100 wraps to a right edge far left of the left one.
    WriteSavedPlacement(2147483600, 120, 100, 300);
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent);
}

TEST_F(Placement, NothingInTheRegistryKeepsTheDialogOffTheScreen)
{
    struct Case {
        const char *pszWhat;
        DWORD dwX, dwY;
        RECT rcCurrent;
    } cases[] = {
        {"saved far above and left", (DWORD)-100000, (DWORD)-100000, {300, 200, 700, 500}},
        {"saved far below and right", 100000, 100000, {300, 200, 700, 500}},
        {"created off the screen, X as text", 0, 0, {-1000, -900, -600, -600}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pszWhat);
        DeleteRegistryKey(theApplication.m_strRegistryKey);
        WriteSavedPlacement(c.dwX, c.dwY, 400, 300);
        if (c.dwX == 0) {
            ASSERT_TRUE(WriteRawValue(m_strKey, "X", REG_SZ, "0", 2));
        }

        RECT rc;
        RestoreDialogPlacement(m_strKey.c_str(), &c.rcCurrent, &rc);
        EXPECT_EQ(rc.right - rc.left, 400);
        EXPECT_EQ(rc.bottom - rc.top, 300);
        RECT rcInside;
        EXPECT_TRUE(IntersectRect(&rcInside, &rc, &m_rcWork) && EqualRect(&rcInside, &rc)) << rc;
    }
}

TEST_F(Placement, AWindowIsCentredOverItsOwner)
{
    HWND hWndOwner = CreatePopup(100, 100, 600, 400);
    HWND hWnd = CreatePopup(0, 0, 200, 100, hWndOwner);
    CenterWindowOverOwner(hWnd, hWndOwner);
    EXPECT_EQ(WindowRect(hWnd), (RECT{300, 250, 500, 350}));
}

TEST_F(Placement, AWindowOverAnOwnerInTheCornerStaysInsideTheWorkArea)
{
    HWND hWndOwner = CreatePopup(m_rcWork.right - 100, m_rcWork.bottom - 50, 300, 200);
    HWND hWnd = CreatePopup(0, 0, 200, 100, hWndOwner);
    CenterWindowOverOwner(hWnd, hWndOwner);
    EXPECT_EQ(WindowRect(hWnd), (RECT{m_rcWork.right - 200, m_rcWork.bottom - 100, m_rcWork.right, m_rcWork.bottom}));
}

TEST_F(Placement, AWindowWithoutOwnerIsCentredInItsWorkArea)
{
    HWND hWnd = CreatePopup(0, 0, 200, 100);
    CenterWindowOverOwner(hWnd, NULL);
    LONG x = m_rcWork.left + (m_rcWork.right - m_rcWork.left - 200) / 2;
    LONG y = m_rcWork.top + (m_rcWork.bottom - m_rcWork.top - 100) / 2;
    EXPECT_EQ(WindowRect(hWnd), (RECT{x, y, x + 200, y + 100}));
}
