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
// Where the dialog was created, on the primary monitor.
static const RECT s_rcCreated = {760, 340, 1160, 640};

TEST(PlacementGeometry, ASavedPlacementWhoseRightEdgeOverflowsIsInverted)
{
    RECT rc = SavedPlacementRect(2147483600, 100, 100, 300);
    EXPECT_EQ(rc.right, -2147483596);
    EXPECT_TRUE(IsRectInverted(rc));
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(100, 2147483600, 300, 100)));
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(2000, 100, -10, 300)));
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(2000, 100, 400, -1)));
    EXPECT_FALSE(IsRectInverted(SavedPlacementRect(2000, 100, 0, 0)));
    EXPECT_EQ(SavedPlacementRect(-2000, 100, 400, 300), (RECT{-2000, 100, -1600, 400}));
}

TEST(PlacementGeometry, TheMonitorKeyIsNamedAfterTheSignedMonitorEdges)
{
    EXPECT_EQ(MonitorPlacementKey("K\\MainWindow", s_rcSecondary), "K\\MainWindow\\MonitorRectangle(1920,0,3840,1080)");
    EXPECT_EQ(MonitorPlacementKey("K", RECT{-1920, -200, 0, 880}), "K\\MonitorRectangle(-1920,-200,0,880)");
}

TEST(PlacementGeometry, ARectangleOutsideTheWorkAreaIsMovedInKeepingItsSize)
{
    RECT rcPastRight = {1570, 100, 1970, 400};
    EXPECT_FALSE(MoveRectIntoArea(&rcPastRight, s_rcPrimaryWork));
    EXPECT_EQ(rcPastRight, (RECT{1520, 100, 1920, 400}));

    RECT rcAboveLeft = {-500, -30, -100, 270};
    EXPECT_FALSE(MoveRectIntoArea(&rcAboveLeft, s_rcSecondaryWork));
    EXPECT_EQ(rcAboveLeft, (RECT{1920, 0, 2320, 300}));
}

TEST(PlacementGeometry, ARectangleBiggerThanTheWorkAreaKeepsItsLeftAndTopEdgesOnTheAreas)
{
    RECT rc = {1000, 500, 3000, 1700};
    EXPECT_FALSE(MoveRectIntoArea(&rc, s_rcPrimaryWork));
    EXPECT_EQ(rc, (RECT{0, 0, 2000, 1200}));

    // Already on the left edge, pushed away and back: still a move.
    RECT rcWide = {0, 0, 2000, 100};
    EXPECT_FALSE(MoveRectIntoArea(&rcWide, s_rcPrimaryWork));
    EXPECT_EQ(rcWide, (RECT{0, 0, 2000, 100}));
}

TEST(PlacementGeometry, ASavedRectangleCoveringTheWholeCoordinateRangeLandsOnTheWorkAreasCorner)
{
    RECT rcSaved = SavedPlacementRect(INT_MIN, INT_MIN, -1, -1);
    ASSERT_FALSE(IsRectInverted(rcSaved));
    RECT rc;
    EXPECT_FALSE(ChooseRestoredRect(&rcSaved, &rcSaved, s_rcCreated, s_rcSecondaryWork, &rc));
    EXPECT_EQ(rc.left, 1920);
    EXPECT_EQ(rc.top, 0);
}

TEST(PlacementGeometry, ADialogSavedOnTheSecondMonitorReopensThereWithTheSameLayout)
{
    RECT rcSaved = SavedPlacementRect(2000, 100, 400, 300);
    RECT rc;
    EXPECT_TRUE(ChooseRestoredRect(&rcSaved, &rcSaved, s_rcCreated, s_rcSecondaryWork, &rc));
    EXPECT_EQ(rc, (RECT{2000, 100, 2400, 400}));
}

TEST(PlacementGeometry, AfterAResolutionChangeTheDialogOpensAtItsCreationPlaceMovedOntoThatMonitor)
{
    // The monitor now runs at 2560x1440: its key differs from the one saved,
    // so no copy is found.
    RECT rcSaved = SavedPlacementRect(2000, 100, 400, 300);
    RECT rcMonitor = {1920, 0, 4480, 1440}, rcWork = {1920, 0, 4480, 1400};
    ASSERT_NE(MonitorPlacementKey("K", rcMonitor), MonitorPlacementKey("K", s_rcSecondary));
    RECT rc;
    EXPECT_FALSE(ChooseRestoredRect(&rcSaved, NULL, s_rcCreated, rcWork, &rc));
    EXPECT_EQ(rc, (RECT{1920, 340, 2320, 640}));
}

TEST(PlacementGeometry, WithTheSecondMonitorRemovedTheDialogStaysAtItsCreationPlace)
{
    RECT rcSaved = SavedPlacementRect(2000, 100, 400, 300);
    RECT rc;
    EXPECT_FALSE(ChooseRestoredRect(&rcSaved, NULL, s_rcCreated, s_rcPrimaryWork, &rc));
    EXPECT_EQ(rc, s_rcCreated);

    // Unless the primary monitor holds a copy of that very rectangle: then it
    // is used, moved into the primary work area.
    EXPECT_FALSE(ChooseRestoredRect(&rcSaved, &rcSaved, s_rcCreated, s_rcPrimaryWork, &rc));
    EXPECT_EQ(rc, (RECT{1520, 100, 1920, 400}));
}

// A 200x100 window in a 1920x1040 work area.
static const RECT s_rcWindow = {0, 0, 200, 100};
static const RECT s_rcOwner = {100, 100, 700, 500};

static POINT CenteredOver(const RECT &rcFrame, const RECT &rcOwner)
{
    return CenteredPosition(s_rcWindow, rcFrame, rcOwner, s_rcPrimaryWork);
}

TEST(PlacementGeometry, AVisibleFrameBiggerThanTheWindowStaysInsideTheWorkArea)
{
    // 5 pixels of visible frame outside the window on each side.
    RECT rcFrame = {-5, -5, 205, 105};
    POINT ptRight = CenteredOver(rcFrame, RECT{1800, 1000, 2000, 1100});
    EXPECT_EQ(ptRight.x, 1920 - 200 - 5);
    EXPECT_EQ(ptRight.y, 1040 - 100 - 5);
    POINT ptLeft = CenteredOver(rcFrame, RECT{-300, -300, -100, -100});
    EXPECT_EQ(ptLeft.x, 5);
    EXPECT_EQ(ptLeft.y, 5);
}

TEST(PlacementGeometry, WithInvisibleResizeBordersOnlyTheVisibleFrameIsKeptInsideTheWorkArea)
{
    // The visible frame is 7 pixels inside the window on the left and right,
    // 3 at the top and bottom; half of an odd difference rounds toward zero.
    RECT rcFrame = {7, 3, 193, 97};
    POINT ptRight = CenteredOver(rcFrame, RECT{1800, 1000, 2000, 1100});
    EXPECT_EQ(ptRight.x, 1920 - 200 + 7);
    EXPECT_EQ(ptRight.y, 1040 - 100 + 3);
    RECT rcOddFrame = {4, 0, 197, 100};
    POINT ptLeft = CenteredOver(rcOddFrame, RECT{-300, 0, -100, 100});
    EXPECT_EQ(ptLeft.x, -3);
}

TEST(PlacementGeometry, AWindowWiderThanTheWorkAreaEndsOnItsLeftEdge)
{
    RECT rcWide = {0, 0, 2400, 100};
    RECT rcFrame = {7, 0, 2393, 100};
    POINT pt = CenteredPosition(rcWide, rcFrame, s_rcOwner, s_rcPrimaryWork);
    // The visible frame's left edge, 7 pixels inside the window, on the work area's.
    EXPECT_EQ(pt.x, -7);
}
