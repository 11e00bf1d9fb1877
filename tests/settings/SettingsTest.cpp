// The options and the dialog's place as they go into and come back from the
// current user's registry, including values other programs or hand edits left
// there; the placement arithmetic on given monitor layouts.
#include "app/Application.h"
#include "settings/Placement.h"
#include "settings/PlacementGeometry.h"
#include "settings/RegistryStore.h"
#include "support/Support.h"

#include <gtest/gtest.h>

#include <climits>

TEST(RegistryStore, OddOrMissingValuesReadAsOnAndASaveWritesZeroOrOneInTheKeyOfTheMajorVersionOrFails)
{
    const std::string key = theApplication.m_strRegistryKey, keyV2 = "Software\\Morvane\\Zelbrant V2";
    ASSERT_EQ(key, "Software\\Morvane\\Zelbrant V1");
    DeleteRegistryKey(key);
    bool bKeep = false, bAuto = false, bFrame = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);
    EXPECT_TRUE(bKeep && bAuto && bFrame) << "the first run";
    const ULONGLONG ullZero = 0, ullTwo = 2;
    const struct {
        DWORD dwType;
        const void *pData;
        DWORD cbData;
    } cases[] = {{REG_SZ, "0", 2},
                 {REG_QWORD, &ullZero, 8},
                 {REG_DWORD, &ullZero, 2},
                 {REG_DWORD, NULL, 0},
                 {REG_DWORD, &ullTwo, 4}};
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteRawValue(key, "KeepDialogOnTop", c.dwType, c.pData, c.cbData));
        DWORD dwValue;
        EXPECT_EQ(RegReadDword("KeepDialogOnTop", key.c_str(), 1, &dwValue) == ERROR_SUCCESS, c.pData == &ullTwo)
            << c.dwType;
        bKeep = false;
        LoadSettings(&bKeep, NULL, NULL);
        EXPECT_TRUE(bKeep) << "type " << c.dwType << ", " << c.cbData << " bytes";
    }

    ASSERT_EQ(SaveSettings(false, true, true), ERROR_SUCCESS);
    EXPECT_EQ(StoredDwords(key, {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"}), "0 1 1 ");
    LoadSettings(&bKeep, &bAuto, &bFrame);
    EXPECT_TRUE(!bKeep && bAuto && bFrame);
    // Another major version reads and writes only its own key.
    DeleteRegistryKey(keyV2);
    theApplication.m_strRegistryKey = keyV2;
    LoadSettings(&bKeep, NULL, NULL);
    EXPECT_TRUE(bKeep && SaveSettings(true, false, true) == ERROR_SUCCESS);
    EXPECT_EQ(StoredDwords(key, {"KeepDialogOnTop"}) + StoredDwords(keyV2, {"KeepDialogOnTop"}), "0 1 ");
    DeleteRegistryKey(keyV2);
    // No key name may have a part longer than 255 characters: the registry's error.
    theApplication.m_strRegistryKey = key + "\\" + std::string(300, 'x');
    HKEY hKey;
    LONG lExpected = RegCreateKeyExA(HKEY_CURRENT_USER, theApplication.m_strRegistryKey.c_str(), 0, NULL, 0,
                                     KEY_ALL_ACCESS, NULL, &hKey, NULL);
    EXPECT_TRUE(lExpected != ERROR_SUCCESS && SaveSettings(true, true, true) == lExpected);
    theApplication.m_strRegistryKey = key;
}

TEST(PlacementGeometry, TheDialogReopensWhereSavedOnlyOnTheSameMonitorWithAMatchingCopyAndAlwaysInsideTheWorkArea)
{
    EXPECT_EQ(SavedPlacementRect(2147483600, 100, 100, 300).right, -2147483596);
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(100, 2147483600, 300, 100)));
    EXPECT_TRUE(IsRectInverted(SavedPlacementRect(2000, 100, 400, -1)));
    EXPECT_FALSE(IsRectInverted(SavedPlacementRect(2000, 100, 0, 0)));
    EXPECT_EQ(MonitorPlacementKey("K", RECT{-1920, -200, 0, 880}), "K\\MonitorRectangle(-1920,-200,0,880)");
    const RECT rcPrimary = {0, 0, 1920, 1040}, rcSecondary = {1920, 0, 3840, 1040};
    const RECT rcSaved = SavedPlacementRect(2000, 100, 400, 300), rcCreated = {760, 340, 1160, 640};
    const struct {
        const char *pszWhat;
        RECT rcSaved;
        bool bCopy; // a copy equal to the saved rectangle was found for the monitor
        RECT rcWork;
        bool bAsSaved;
        RECT rc;
    } cases[] = {
        {"the same layout", rcSaved, true, rcSecondary, true, {2000, 100, 2400, 400}},
        // At 2560 x 1440 the monitor's key differs from the one saved: no copy.
        {"the second monitor at 2560 x 1440", rcSaved, false, {1920, 0, 4480, 1400}, false, {1920, 340, 2320, 640}},
        {"the second monitor removed", rcSaved, false, rcPrimary, false, rcCreated},
        {"all zeros, no copy", {0, 0, 0, 0}, false, rcPrimary, false, rcCreated},
        {"removed, a copy on the primary", rcSaved, true, rcPrimary, false, {1520, 100, 1920, 400}},
        // Right and bottom edges are moved in first, then left and top, each
        // move counting even when a later one undoes it.
        {"bigger than the work area", {3000, 500, 5000, 1700}, true, rcSecondary, false, {1920, 0, 3920, 1200}},
        {"wider, on the left edge", {1920, 0, 3920, 100}, true, rcSecondary, false, {1920, 0, 3920, 100}},
        // A size of 2^32 - 1 is kept modulo 2^32.
        {"every coordinate",
         SavedPlacementRect(INT_MIN, INT_MIN, -1, -1),
         true,
         rcSecondary,
         false,
         {1920, 0, 1919, -1}},
    };
    for (const auto &c : cases) {
        RECT rc;
        EXPECT_EQ(ChooseRestoredRect(&c.rcSaved, c.bCopy ? &c.rcSaved : NULL, rcCreated, c.rcWork, &rc), c.bAsSaved)
            << c.pszWhat;
        EXPECT_EQ(rc, c.rc) << c.pszWhat;
    }
    // Only the visible frame is kept inside the work area; a wider window ends on its left edge.
    const RECT rcWindow = {0, 0, 200, 100};
    const struct {
        RECT rcWindow, rcFrame, rcOwner;
        POINT pt;
    } centred[] = {
        {rcWindow, {-5, -5, 205, 105}, {1800, 1000, 2000, 1100}, {1715, 935}}, // 5 px of frame outside
        {rcWindow, {-5, -5, 205, 105}, {-300, -300, -100, -100}, {5, 5}},
        {rcWindow, {7, 3, 193, 97}, {1800, 1000, 2000, 1100}, {1727, 943}},
        {rcWindow, {4, 0, 197, 100}, {-300, 0, -100, 100}, {-3, 0}}, // half of an odd difference rounds toward zero
        {{0, 0, 2400, 100}, {7, 0, 2393, 100}, {1800, 100, 2000, 500}, {-7, 250}},
    };
    for (const auto &c : centred) {
        POINT pt = CenteredPosition(c.rcWindow, c.rcFrame, c.rcOwner, rcPrimary);
        EXPECT_TRUE(pt.x == c.pt.x && pt.y == c.pt.y) << c.rcOwner << ": " << pt.x << ", " << pt.y;
    }
}

TEST(Placement, AWindowSavedMinimisedReopensWhereItWasRestoredAndOnlyWithItsCopyElseOnTheScreen)
{
    DeleteRegistryKey(theApplication.m_strRegistryKey);
    const std::string key = PlacementKey();
    ASSERT_EQ(key, "Software\\Morvane\\Zelbrant V1\\MainWindow");
    // The test screen is the monitor of every rectangle, even one far off it.
    RECT rcFar = {-100000, 50000, -99000, 51000}, rcMonitor, rcWork, rc;
    ASSERT_TRUE(GetMonitorAreas(&rcFar, &rcMonitor, &rcWork));
    EXPECT_EQ(rcMonitor, (RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    const std::string copyKey = key + "\\MonitorRectangle(0,0," + std::to_string(rcMonitor.right) + "," +
                                std::to_string(rcMonitor.bottom) + ")";
    HWND hWndGone = CreateTopLevel(WS_POPUP, 0, 100, 120, 400, 300);
    DestroyWindow(hWndGone);
    EXPECT_FALSE(SaveDialogPlacement(hWndGone, key.c_str()));
    EXPECT_EQ(StoredDwords(key, {"X"}), "? ");
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 120, 400, 300));
    ShowWindow(wnd, SW_MINIMIZE);
    ASSERT_TRUE(SaveDialogPlacement(wnd, key.c_str()));
    EXPECT_EQ(StoredDwords(key, {"X", "Y", "CX", "CY"}) + StoredDwords(copyKey, {"X", "Y", "CX", "CY"}),
              "100 120 400 300 100 120 400 300 ");
    RECT rcCurrent = {300, 200, 700, 500};
    EXPECT_TRUE(RestoreDialogPlacement(key.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, (RECT{100, 120, 500, 420}));
    // A copy that differs, or none: the dialog stays where it was created.
    RegWriteDword(copyKey.c_str(), "CY", 299);
    EXPECT_FALSE(RestoreDialogPlacement(key.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent) << "a copy that differs";
    DeleteRegistryKey(copyKey);
    EXPECT_FALSE(RestoreDialogPlacement(key.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, rcCurrent) << "no copy";
    StoreDialogPlacement(rcWork.right - 350, 120, 400, 300);
    EXPECT_FALSE(RestoreDialogPlacement(key.c_str(), &rcCurrent, &rc));
    EXPECT_EQ(rc, (RECT{rcWork.right - 400, 120, rcWork.right, 420})) << "50 px past the right edge";
    // Created off the screen with nothing saved, a negative width, or a right
    // edge that wraps far left of the left one: moved into the work area.
    rcCurrent = {-1000, -900, -600, -600};
    DeleteRegistryKey(theApplication.m_strRegistryKey);
    for (auto c : {std::make_pair(0ul, 0ul), std::make_pair(100ul, (DWORD)-10), std::make_pair(2147483600ul, 100ul)}) {
        if (c.second != 0)
            StoreDialogPlacement(c.first, 120, c.second, 300);
        EXPECT_FALSE(RestoreDialogPlacement(key.c_str(), &rcCurrent, &rc));
        EXPECT_EQ(rc, (RECT{rcWork.left, rcWork.top, rcWork.left + 400, rcWork.top + 300}))
            << c.first << ", " << c.second;
    }
    // A window is centred over its owner, or without one in its work area.
    WindowHolder owner(CreateTopLevel(WS_POPUP, 0, 100, 100, 600, 400));
    HWND hWnd = CreateTopLevel(WS_POPUP, 0, 0, 0, 200, 100, owner);
    CenterWindowOverOwner(hWnd, owner);
    GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc, (RECT{300, 250, 500, 350}));
    CenterWindowOverOwner(hWnd, NULL);
    GetWindowRect(hWnd, &rc);
    LONG x = rcWork.left + (rcWork.right - rcWork.left - 200) / 2,
         y = rcWork.top + (rcWork.bottom - rcWork.top - 100) / 2;
    EXPECT_EQ(rc, (RECT{x, y, x + 200, y + 100}));
}
