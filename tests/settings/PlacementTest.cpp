// The dialog's placement: the arithmetic on given monitor layouts (several
// monitors, ones that changed since the save), and what a save writes and a
// restore gives through the real registry and the test screen.
#include "app/Application.h"
#include "settings/Placement.h"
#include "settings/PlacementGeometry.h"
#include "settings/RegistryStore.h"
#include "support/Rect.h"
#include "support/Registry.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

static const RECT s_rcPrimaryWork = {0, 0, 1920, 1040};
static const RECT s_rcSecondaryWork = {1920, 0, 3840, 1040};

TEST(PlacementGeometry, TheDialogReopensWhereSavedOnlyOnTheSameMonitorWithAMatchingCopyAndAlwaysInsideTheWorkArea)
{
    EXPECT_EQ(SavedPlacementRect(2147483600, 100, 100, 300).right, -2147483596);
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(100, 2147483600, 300, 100)));
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(2000, 100, 400, -1)));
    EXPECT_FALSE(IsRectInverted(SavedPlacementRect(2000, 100, 0, 0)));
    EXPECT_EQ(MonitorPlacementKey("K", RECT{-1920, -200, 0, 880}), "K\\MonitorRectangle(-1920,-200,0,880)");

    const RECT rcSaved = SavedPlacementRect(2000, 100, 400, 300);
    const RECT rcCreated = {760, 340, 1160, 640}; // on the primary monitor
    struct Case {
        const char *pszWhat;
        RECT rcSaved;
        bool bCopy; // a copy equal to the saved rectangle was found for the monitor
        RECT rcWork;
        bool bAsSaved;
        RECT rc;
    } cases[] = {
        {"the same layout", rcSaved, true, s_rcSecondaryWork, true, {2000, 100, 2400, 400}},
        // At 2560 x 1440 the monitor's key differs from the one saved: no copy.
        {"the second monitor at 2560 x 1440", rcSaved, false, {1920, 0, 4480, 1400}, false, {1920, 340, 2320, 640}},
        {"the second monitor removed", rcSaved, false, s_rcPrimaryWork, false, rcCreated},
        {"removed, a copy on the primary", rcSaved, true, s_rcPrimaryWork, false, {1520, 100, 1920, 400}},
        // Right and bottom edges are moved in first, then left and top, each
        // move counting even when a later one undoes it.
        {"bigger than the work area", {3000, 500, 5000, 1700}, true, s_rcSecondaryWork, false, {1920, 0, 3920, 1200}},
        {"wider, on the left edge", {1920, 0, 3920, 100}, true, s_rcSecondaryWork, false, {1920, 0, 3920, 100}},
        // A size of 2^32 - 1 is kept modulo 2^32.
        {"every coordinate",
         SavedPlacementRect(INT_MIN, INT_MIN, -1, -1),
         true,
         s_rcSecondaryWork,
         false,
         {1920, 0, 1919, -1}},
    };
    for (const Case &c : cases) {
        RECT rc;
        EXPECT_EQ(ChooseRestoredRect(&c.rcSaved, c.bCopy ? &c.rcSaved : NULL, rcCreated, c.rcWork, &rc), c.bAsSaved)
            << c.pszWhat;
        EXPECT_EQ(rc, c.rc) << c.pszWhat;
    }
}

TEST(PlacementGeometry, OnlyTheVisibleFrameIsKeptInsideTheWorkAreaAndAWiderWindowEndsOnItsLeftEdge)
{
    const RECT rcWindow = {0, 0, 200, 100};
    struct Case {
        const char *pszWhat;
        RECT rcWindow, rcFrame, rcOwner;
        POINT pt;
    } cases[] = {
        {"5 px of frame outside, right", rcWindow, {-5, -5, 205, 105}, {1800, 1000, 2000, 1100}, {1715, 935}},
        {"5 px of frame outside, left", rcWindow, {-5, -5, 205, 105}, {-300, -300, -100, -100}, {5, 5}},
        {"a frame 7 and 3 px inside", rcWindow, {7, 3, 193, 97}, {1800, 1000, 2000, 1100}, {1727, 943}},
        // Half of an odd difference rounds toward zero.
        {"a frame 3.5 px inside", rcWindow, {4, 0, 197, 100}, {-300, 0, -100, 100}, {-3, 0}},
        {"wider than the work area", {0, 0, 2400, 100}, {7, 0, 2393, 100}, {1800, 100, 2000, 500}, {-7, 250}},
    };
    for (const Case &c : cases) {
        POINT pt = CenteredPosition(c.rcWindow, c.rcFrame, c.rcOwner, s_rcPrimaryWork);
        EXPECT_TRUE(pt.x == c.pt.x && pt.y == c.pt.y) << c.pszWhat << ": " << pt.x << ", " << pt.y;
    }
}

class Placement : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryKey(theApplication.m_strRegistryKey);
        ASSERT_EQ(m_strKey, "Software\\Morvane\\Zelbrant V1\\MainWindow");
        // The test screen is the monitor of every rectangle, even one far off it.
        RECT rcFar = {-100000, 50000, -99000, 51000}, rcMonitor;
        ASSERT_TRUE(GetMonitorAreas(&rcFar, &rcMonitor, &m_rcWork));
        EXPECT_EQ(rcMonitor, (RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
        m_strCopyKey = MonitorPlacementKey(m_strKey.c_str(), rcMonitor);
    }

    // The same four values under the placement key and its monitor copy.
    void WriteSavedPlacement(DWORD dwX, DWORD dwY, DWORD dwCx, DWORD dwCy)
    {
        for (const std::string &key : {m_strKey, m_strCopyKey})
            for (auto value : std::initializer_list<std::pair<const char *, DWORD>>{
                     {"X", dwX}, {"Y", dwY}, {"CX", dwCx}, {"CY", dwCy}})
                RegWriteDword(key.c_str(), value.first, value.second);
    }

    std::vector<DWORD> StoredPlacement(const std::string &key)
    {
        std::vector<DWORD> values;
        DWORD dwValue;
        for (const char *pszName : {"X", "Y", "CX", "CY"})
            if (ReadStoredDword(key, pszName, &dwValue))
                values.push_back(dwValue);
        return values;
    }

    std::string m_strKey = PlacementKey(), m_strCopyKey;
    RECT m_rcWork;
};

TEST_F(Placement, AWindowSavedWhileMinimisedReopensExactlyWhereItWasRestoredAndAGoneOneSavesNothing)
{
    HWND hWndGone = CreateTopLevel(WS_POPUP, 0, 100, 120, 400, 300);
    DestroyWindow(hWndGone);
    EXPECT_FALSE(SaveDialogPlacement(hWndGone, m_strKey.c_str()));
    EXPECT_TRUE(StoredPlacement(m_strKey).empty());

    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 120, 400, 300));
    ShowWindow(wnd.m_hWnd, SW_MINIMIZE);
    ASSERT_TRUE(SaveDialogPlacement(wnd.m_hWnd, m_strKey.c_str()));
    std::vector<DWORD> expected = {100, 120, 400, 300};
    EXPECT_EQ(StoredPlacement(m_strKey), expected);
    EXPECT_EQ(StoredPlacement(m_strCopyKey), expected);
    RECT rc = {500, 500, 900, 800};
    EXPECT_TRUE(RestoreDialogPlacement(m_strKey.c_str(), &rc, &rc));
    EXPECT_EQ(rc, (RECT{100, 120, 500, 420}));
}

TEST_F(Placement, ASavedRectangleWithoutItsMonitorCopyOrPastTheScreenLeavesOrMovesTheDialogOntoTheScreen)
{
    RECT rcCurrent = {300, 200, 700, 500}, rc;
    WriteSavedPlacement(100, 120, 400, 300);
    RegWriteDword(m_strCopyKey.c_str(), "CY", 299);
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent) << "a copy that differs";
    DeleteRegistryKey(m_strCopyKey);
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent) << "no copy";

    WriteSavedPlacement(m_rcWork.right - 350, 120, 400, 300);
    EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, (RECT{m_rcWork.right - 400, 120, m_rcWork.right, 420})) << "50 px past the right edge";

    // Created off the screen with nothing saved, a negative width, or a right
    // edge that wraps far left of the left one: moved into the work area.
    rcCurrent = {-1000, -900, -600, -600};
    RECT rcMoved = {m_rcWork.left, m_rcWork.top, m_rcWork.left + 400, m_rcWork.top + 300};
    DeleteRegistryKey(theApplication.m_strRegistryKey);
    for (auto c : std::initializer_list<std::pair<DWORD, DWORD>>{{0, 0}, {100, (DWORD)-10}, {2147483600, 100}}) {
        if (c.second != 0)
            WriteSavedPlacement(c.first, 120, c.second, 300);
        EXPECT_FALSE(RestoreDialogPlacement(m_strKey.c_str(), &rcCurrent, &rc));
        EXPECT_EQ(rc, rcMoved) << "X " << c.first << ", CX " << (LONG)c.second;
    }
}

TEST_F(Placement, AWindowIsCentredOverItsOwnerOrWithoutOneInItsWorkArea)
{
    WindowHolder owner(CreateTopLevel(WS_POPUP, 0, 100, 100, 600, 400));
    HWND hWnd = CreateTopLevel(WS_POPUP, 0, 0, 0, 200, 100, owner.m_hWnd);
    RECT rc;
    CenterWindowOverOwner(hWnd, owner.m_hWnd);
    GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc, (RECT{300, 250, 500, 350}));

    CenterWindowOverOwner(hWnd, NULL);
    GetWindowRect(hWnd, &rc);
    LONG x = m_rcWork.left + (m_rcWork.right - m_rcWork.left - 200) / 2;
    LONG y = m_rcWork.top + (m_rcWork.bottom - m_rcWork.top - 100) / 2;
    EXPECT_EQ(rc, (RECT{x, y, x + 200, y + 100}));
}
