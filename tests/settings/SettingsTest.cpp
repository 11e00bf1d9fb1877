// The options and the dialog's place as they go into and come back from the
// current user's registry, including values other programs or hand edits left there.
#include "settings/Placement.h"
#include "support/Support.h"

#include <tuple>

TEST(RegistryStore, OptionsComeUpOnUnlessSavedOffAndOddValuesReadAsOn)
{
    const std::string key = "Software\\Morvane\\Zelbrant V1";
    ASSERT_EQ(theApplication.m_strRegistryKey, key);
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    bool bKeep = false, bAuto = false, bFrame = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);
    EXPECT_TRUE(bKeep && bAuto && bFrame) << "the first run";
    // Each holds a 0 that is no 4-byte REG_DWORD, or a 2: each reads as on.
    const ULONGLONG ullZero = 0, ullTwo = 2;
    const std::tuple<DWORD, const void *, DWORD> cases[] = {{REG_SZ, "0", 2},          {REG_QWORD, &ullZero, 8},
                                                            {REG_BINARY, &ullZero, 4}, {REG_DWORD, &ullZero, 2},
                                                            {REG_DWORD, NULL, 0},      {REG_DWORD, &ullTwo, 4}};
    for (auto [dwType, pData, cbData] : cases) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "KeepDialogOnTop", dwType, pData, cbData), 0);
        bKeep = false;
        LoadSettings(&bKeep, NULL, NULL);
        EXPECT_TRUE(bKeep) << "type " << dwType << ", " << cbData << " bytes";
    }
    ASSERT_EQ(SaveSettings(false, true, false), ERROR_SUCCESS);
    EXPECT_EQ(StoredDwords(key, {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"}), "0 1 0 ");
    LoadSettings(&bKeep, &bAuto, &bFrame);
    EXPECT_TRUE(!bKeep && bAuto && !bFrame);
}

TEST(Placement, ADialogSavedMinimisedReopensWhereItWasOnlyWithTheCopyOfItsMonitor)
{
    // The test screen (1280 x 1024, no taskbar) is the monitor of every rectangle, even one far off it.
    RECT rcFar = {-100000, 50000, -99000, 51000}, rcMonitor, rcWork, rc;
    ASSERT_TRUE(GetMonitorAreas(&rcFar, &rcMonitor, &rcWork));
    ASSERT_TRUE(rcMonitor == (RECT{0, 0, 1280, 1024}) && rcWork == rcMonitor) << rcMonitor << rcWork;
    const std::string key = "Software\\Morvane\\Zelbrant V1\\MainWindow",
                      copyKey = key + "\\MonitorRectangle(0,0,1280,1024)";
    // Whether the saved rectangle is used as saved, and where a dialog created off the screen reopens.
    const RECT rcCreated = {-1000, -900, -600, -600};
    auto restored = [&] {
        bool bAsSaved = RestoreDialogPlacement(key.c_str(), &rcCreated, &rc);
        return std::to_string(bAsSaved) + " " + testing::PrintToString(rc);
    };
    auto store = [&](DWORD dwX, DWORD dwY, DWORD dwCx, DWORD dwCy) { // a place and its copy
        for (const std::string &place : {key, copyKey})
            for (auto value : {std::make_pair("X", dwX), std::make_pair("Y", dwY), std::make_pair("CX", dwCx),
                               std::make_pair("CY", dwCy)})
                RegWriteDword(place.c_str(), value.first, value.second);
    };
    RegDeleteTreeA(HKEY_CURRENT_USER, theApplication.m_strRegistryKey.c_str());
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 120, 400, 300));
    ShowWindow(wnd, SW_MINIMIZE);
    ASSERT_TRUE(SaveDialogPlacement(wnd, key.c_str()));
    EXPECT_EQ(StoredDwords(key, {"X", "Y", "CX", "CY"}) + StoredDwords(copyKey, {"X", "Y", "CX", "CY"}),
              "100 120 400 300 100 120 400 300 ");
    EXPECT_EQ(restored(), "1 (100,120,500,420)");
    RegWriteDword(copyKey.c_str(), "CY", 299);
    EXPECT_EQ(restored(), "0 (0,0,400,300)") << "a copy that differs";
    store(930, 800, 400, 300);
    EXPECT_EQ(restored(), "0 (880,724,1280,1024)") << "past the right and bottom edges";
    // A negative width, or a right edge that wraps far left of the left one.
    for (DWORD dwCx : {(DWORD)-10, (DWORD)2147483600}) {
        store(100, 120, dwCx, 300);
        EXPECT_EQ(restored(), "0 (0,0,400,300)") << dwCx;
    }
}
