// Placement arithmetic on given monitor layouts, including several monitors
// and ones that changed since the save, which a single test screen cannot show.
#include "settings/Placement.h"
#include "settings/PlacementGeometry.h"
#include "support/Rect.h"

#include <gtest/gtest.h>

#include <climits>

static const RECT s_rcPrimaryWork = {0, 0, 1920, 1040};
static const RECT s_rcSecondary = {1920, 0, 3840, 1080};
static const RECT s_rcSecondaryWork = {1920, 0, 3840, 1040};

TEST(PlacementGeometry, ASavedPlacementWithANegativeSizeOrAnOverflowingEdgeIsInvertedAndAnEmptyOneIsNot)
{
    EXPECT_EQ(SavedPlacementRect(2147483600, 100, 100, 300).right, -2147483596);
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(2147483600, 100, 100, 300)));
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(100, 2147483600, 300, 100)));
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(2000, 100, 400, -1)));
    EXPECT_FALSE(IsRectInverted(SavedPlacementRect(2000, 100, 0, 0)));
}

TEST(PlacementGeometry, TheMonitorKeyIsNamedAfterTheSignedMonitorEdges)
{
    EXPECT_EQ(MonitorPlacementKey("K\\MainWindow", s_rcSecondary), "K\\MainWindow\\MonitorRectangle(1920,0,3840,1080)");
    EXPECT_EQ(MonitorPlacementKey("K", RECT{-1920, -200, 0, 880}), "K\\MonitorRectangle(-1920,-200,0,880)");
}

TEST(PlacementGeometry, TheDialogReopensWhereSavedOnlyOnTheSameMonitorWithAMatchingCopyAndAlwaysInsideTheWorkArea)
{
    const RECT rcSaved = SavedPlacementRect(2000, 100, 400, 300);
    const RECT rcCreated = {760, 340, 1160, 640}; // on the primary monitor
    const RECT rcWhole = SavedPlacementRect(INT_MIN, INT_MIN, -1, -1);
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
        {"every coordinate", rcWhole, true, s_rcSecondaryWork, false, {1920, 0, 1919, -1}},
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
