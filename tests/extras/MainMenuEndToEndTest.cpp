// The Menu button's popup menu as a user meets it: the real Zelbrant.exe
// driven by real keyboard and mouse input. Wine cannot read another
// process's popup menu, so the menu is seen through its window (#32768) and
// its entries are reached by their keys and by the pointer.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MouseInput.h"
#include "support/Rect.h"
#include "support/Registry.h"
#include "support/ZelbrantProcess.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <stdlib.h>

namespace {

const DWORD WAIT_MS = 10000;

HWND MenuWindow()
{
    HWND hWnd = FindWindowA("#32768", NULL);
    return hWnd && IsWindowVisible(hWnd) ? hWnd : NULL;
}

// Opens the menu with Enter on the Menu button and gives it one key.
void ChooseWithKey(WORD wVk)
{
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return MenuWindow() != NULL; }, WAIT_MS));
    PressKey(wVk);
    ASSERT_TRUE(WaitUntil([] { return MenuWindow() == NULL; }, WAIT_MS));
}

bool IsChecked(HWND hWndButton)
{
    return SendMessageA(hWndButton, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

RECT StoredRect(const std::string &key)
{
    DWORD x = 0, y = 0, cx = 0, cy = 0; // a missing value reads as 0
    ReadStoredDword(key, "X", &x);
    ReadStoredDword(key, "Y", &y);
    ReadStoredDword(key, "CX", &cx);
    ReadStoredDword(key, "CY", &cy);
    return RECT{(LONG)x, (LONG)y, (LONG)(x + cx), (LONG)(y + cy)};
}

} // namespace

TEST(MainMenuEndToEnd, AUserOpensTheMenuSavesMakesTheShortcutSeesAboutAndQuits)
{
    const std::string key = theApplication.m_strRegistryKey;
    DeleteRegistryKey(key);
    char szDesktop[MAX_PATH];
    ASSERT_EQ(SHGetFolderPathA(NULL, CSIDL_DESKTOPDIRECTORY, NULL, SHGFP_TYPE_CURRENT, szDesktop), S_OK);
    // Wine shows a link to the host's home as a reparse point: never write there.
    ASSERT_FALSE(GetFileAttributesA(szDesktop) & FILE_ATTRIBUTE_REPARSE_POINT) << szDesktop;
    const std::string link = std::string(szDesktop) + "\\Zelbrant.lnk";
    DeleteFileA(link.c_str());

    ZelbrantProcess zelbrant;
    ASSERT_TRUE(zelbrant.Start());
    HWND hWndDialog = zelbrant.m_hWndDialog;
    SetWindowPos(hWndDialog, NULL, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rcDialog;
    GetWindowRect(hWndDialog, &rcDialog);
    HWND hWndAutoFind = zelbrant.Control(IDC_AUTO_FIND_ROOT_PARENT);
    ASSERT_TRUE(MovePointerTo(CenterOf(hWndAutoFind)));
    PressLeftButton();
    ReleaseLeftButton();
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(hWndAutoFind); }, WAIT_MS));

    // A click on Menu opens the menu at the button's centre; Escape closes it.
    POINT ptMenu = CenterOf(zelbrant.Control(IDOK));
    ASSERT_TRUE(MovePointerTo(ptMenu));
    PressLeftButton();
    ReleaseLeftButton();
    ASSERT_TRUE(WaitUntil([] { return MenuWindow() != NULL; }, WAIT_MS));
    RECT rcMenu;
    GetWindowRect(MenuWindow(), &rcMenu);
    EXPECT_EQ(rcMenu.left, ptMenu.x);
    EXPECT_EQ(rcMenu.top, ptMenu.y);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([] { return MenuWindow() == NULL; }, WAIT_MS));

    // "Fermer ce Menu", the last entry, clicked.
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return MenuWindow() != NULL; }, WAIT_MS));
    GetWindowRect(MenuWindow(), &rcMenu);
    ASSERT_TRUE(MovePointerTo(POINT{rcMenu.left + 40, rcMenu.bottom - 8}));
    PressLeftButton();
    ReleaseLeftButton();
    ASSERT_TRUE(WaitUntil([] { return MenuWindow() == NULL; }, WAIT_MS));
    HKEY hKey;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey), ERROR_SUCCESS) << "written";

    ChooseWithKey('E');
    DWORD dwKeep = 0, dwAuto = 1, dwFrame = 0;
    ASSERT_TRUE(WaitUntil([&] { return ReadStoredDword(key, "DrawInvertedFrame", &dwFrame); }, WAIT_MS));
    EXPECT_TRUE(ReadStoredDword(key, "KeepDialogOnTop", &dwKeep) && dwKeep == 1);
    EXPECT_TRUE(ReadStoredDword(key, "AutoFindRootParent", &dwAuto) && dwAuto == 0);
    EXPECT_EQ(dwFrame, 1u);
    char szMonitor[80];
    wsprintfA(szMonitor, "\\MainWindow\\MonitorRectangle(0,0,%d,%d)", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(StoredRect(key + "\\MainWindow"), rcDialog);
    EXPECT_EQ(StoredRect(key + szMonitor), rcDialog);

    ChooseWithKey('B');
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; }, WAIT_MS));

    // The About box opens over the dialog, owned by it; Escape closes it.
    ChooseWithKey('D');
    HWND hWndAbout = NULL;
    ASSERT_TRUE(WaitUntil(
        [&] {
            hWndAbout = FindWindowExA(NULL, NULL, "#32770", NULL);
            while (hWndAbout && GetWindow(hWndAbout, GW_OWNER) != hWndDialog)
                hWndAbout = FindWindowExA(NULL, hWndAbout, "#32770", NULL);
            return hWndAbout && IsWindowVisible(hWndAbout);
        },
        WAIT_MS));
    POINT ptAbout = CenterOf(hWndAbout), ptDialog = CenterOf(hWndDialog);
    EXPECT_LE(abs(ptAbout.x - ptDialog.x) + abs(ptAbout.y - ptDialog.y), 2);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(hWndAbout); }, WAIT_MS));

    ChooseWithKey('R');
    EXPECT_EQ(zelbrant.m_process.WaitForExit(WAIT_MS), 0u);

    // Started again, it comes back where it was saved, with the saved options.
    ZelbrantProcess again;
    ASSERT_TRUE(again.Start());
    RECT rcAgain;
    GetWindowRect(again.m_hWndDialog, &rcAgain);
    EXPECT_EQ(rcAgain, rcDialog);
    EXPECT_FALSE(IsChecked(again.Control(IDC_AUTO_FIND_ROOT_PARENT)));
    EXPECT_TRUE(IsChecked(again.Control(IDC_KEEP_DIALOG_ON_TOP)));
    EXPECT_EQ(again.Close(), 0u);
    DeleteFileA(link.c_str());
}
