// The dialog's starting state from the stored settings, and the release of
// its icons when it is destroyed.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/Registry.h"

#include <gtest/gtest.h>

static void DeleteProgramSettings()
{
    DeleteRegistryKey(theApplication.m_strRegistryKey);
}

// Stores a REG_DWORD under the program's key, or under a subkey of it.
static void StoreProgramValue(const std::string &subKey, const char *pszName, DWORD dwValue)
{
    std::string key = theApplication.m_strRegistryKey + (subKey.empty() ? "" : "\\" + subKey);
    WriteRawValue(key, pszName, REG_DWORD, &dwValue, sizeof(dwValue));
}

static bool IsTopmost(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

static bool IconExists(HICON hIcon)
{
    ICONINFO info;
    if (!hIcon || !GetIconInfo(hIcon, &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

TEST(OnInitDialog, AFirstRunShowsAllOptionsOnAndTheFrameOptionDisabled)
{
    DeleteProgramSettings();
    MainDialog dialog;
    ASSERT_TRUE(dialog.m_hWnd);

    EXPECT_TRUE(dialog.IsChecked(IDC_KEEP_DIALOG_ON_TOP));
    EXPECT_TRUE(dialog.IsChecked(IDC_AUTO_FIND_ROOT_PARENT));
    EXPECT_FALSE(dialog.IsChecked(IDC_DRAW_INVERTED_FRAME));
    EXPECT_FALSE(dialog.IsEnabled(IDC_DRAW_INVERTED_FRAME));
    EXPECT_TRUE(dialog.m_dlg.m_bDrawInvertedFrame);
    EXPECT_TRUE(IsTopmost(dialog.m_hWnd));
}

TEST(OnInitDialog, StoredAutoFindOffAndFrameOnShowTheFrameOptionCheckedAndEnabled)
{
    DeleteProgramSettings();
    StoreProgramValue("", "AutoFindRootParent", 0);
    StoreProgramValue("", "DrawInvertedFrame", 1);
    MainDialog dialog;
    ASSERT_TRUE(dialog.m_hWnd);

    EXPECT_FALSE(dialog.IsChecked(IDC_AUTO_FIND_ROOT_PARENT));
    EXPECT_TRUE(dialog.IsChecked(IDC_DRAW_INVERTED_FRAME));
    EXPECT_TRUE(dialog.IsEnabled(IDC_DRAW_INVERTED_FRAME));
}

TEST(OnInitDialog, StoredKeepDialogOnTopOffLeavesTheDialogNotTopmost)
{
    DeleteProgramSettings();
    StoreProgramValue("", "KeepDialogOnTop", 0);
    MainDialog dialog;
    ASSERT_TRUE(dialog.m_hWnd);

    EXPECT_FALSE(dialog.IsChecked(IDC_KEEP_DIALOG_ON_TOP));
    EXPECT_FALSE(IsTopmost(dialog.m_hWnd));
}

TEST(OnInitDialog, TheDialogStartsIdleWithAnEmptyPanelAndTheFocusOnMenu)
{
    DeleteProgramSettings();
    MainDialog dialog;
    ASSERT_TRUE(dialog.m_hWnd);

    EXPECT_EQ(GetFocus(), dialog.Item(IDOK));
    for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++)
        EXPECT_EQ(GetWindowTextLengthA(dialog.Item(nId)), 0) << nId;
    for (int nId = IDC_LABEL_TITLE; nId <= IDC_LABEL_RECT; nId++)
        EXPECT_FALSE(dialog.IsEnabled(nId)) << nId;
    EXPECT_FALSE(dialog.IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_FALSE(dialog.IsEnabled(IDC_COPY_TO_CLIPBOARD));
    EXPECT_TRUE(IconExists((HICON)SendMessageA(dialog.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0)));
    EXPECT_FALSE(dialog.m_dlg.m_bTracking);

    // The finder icon's rectangle is kept in the dialog's client coordinates
    // (as the template made it: the icon, once set, may resize the control).
    RECT rcIcon;
    GetWindowRect(dialog.Item(IDC_FINDER_ICON), &rcIcon);
    MapWindowPoints(NULL, dialog.m_hWnd, (POINT *)&rcIcon, 2);
    EXPECT_EQ(dialog.m_dlg.m_rcFinderIcon.left, rcIcon.left);
    EXPECT_EQ(dialog.m_dlg.m_rcFinderIcon.top, rcIcon.top);
    EXPECT_GE(dialog.m_dlg.m_rcFinderIcon.right - dialog.m_dlg.m_rcFinderIcon.left, 32);
}

TEST(OnInitDialog, ASavedPlacementWithItsMonitorCopyPutsTheDialogThere)
{
    DeleteProgramSettings();
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    char szMonitorKey[96];
    wsprintfA(szMonitorKey, "MainWindow\\MonitorRectangle(%ld,%ld,%ld,%ld)", info.rcMonitor.left, info.rcMonitor.top,
              info.rcMonitor.right, info.rcMonitor.bottom);
    for (const char *pszKey : {"MainWindow", (const char *)szMonitorKey}) {
        StoreProgramValue(pszKey, "X", 40);
        StoreProgramValue(pszKey, "Y", 30);
        StoreProgramValue(pszKey, "CX", 500);
        StoreProgramValue(pszKey, "CY", 350);
    }
    MainDialog dialog;
    ASSERT_TRUE(dialog.m_hWnd);

    RECT rc;
    GetWindowRect(dialog.m_hWnd, &rc);
    EXPECT_EQ(rc.left, 40);
    EXPECT_EQ(rc.top, 30);
}

TEST(OnInitDialog, WithoutTheFinderCursorTheDialogEndsAtOnceWithMinusOne)
{
    ZLBR_DlgZelbrant dlg(NULL);
    dlg.m_hFinderCursor = NULL;

    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(dlg.m_hWndMenu != NULL); // the handles were collected first
}

TEST(OnDestroy, TheIconsOfTheFinderCopyAndMenuControlsAreDestroyed)
{
    DeleteProgramSettings();
    MainDialog dialog;
    ASSERT_TRUE(dialog.m_hWnd);
    HICON hFinder = (HICON)SendMessageA(dialog.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0);
    HICON hCopy = (HICON)SendMessageA(dialog.Item(IDC_COPY_TO_CLIPBOARD), BM_GETIMAGE, IMAGE_ICON, 0);
    HICON hMenu = (HICON)SendMessageA(dialog.Item(IDOK), BM_GETIMAGE, IMAGE_ICON, 0);
    HICON hSmall = (HICON)SendMessageA(dialog.m_hWnd, WM_GETICON, ICON_SMALL, 0);
    ASSERT_TRUE(IconExists(hFinder) && IconExists(hCopy) && IconExists(hMenu) && IconExists(hSmall));

    DestroyWindow(dialog.m_hWnd);

    EXPECT_FALSE(IconExists(hFinder));
    EXPECT_FALSE(IconExists(hCopy));
    EXPECT_FALSE(IconExists(hMenu));
    EXPECT_FALSE(IconExists(hSmall));
}

TEST(ShowFinderIcon, SwappingThePictureDestroysThePreviousIcon)
{
    DeleteProgramSettings();
    MainDialog dialog;
    ASSERT_TRUE(dialog.m_hWnd);
    HICON hIdle = (HICON)SendMessageA(dialog.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0);

    dialog.m_dlg.ShowFinderIcon(false);

    HICON hDragging = (HICON)SendMessageA(dialog.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0);
    EXPECT_TRUE(IconExists(hDragging));
    EXPECT_NE(hDragging, hIdle);
    EXPECT_FALSE(IconExists(hIdle));
}
