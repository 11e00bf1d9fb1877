// The Menu button's popup menu: in the test program, its pictures while it is
// open and after it has closed and what each entry plays; then the real
// Zelbrant.exe driven by real keyboard and mouse input. Wine cannot read
// another process's popup menu: there it is seen through its window (#32768).
#include "app/Application.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/MouseInput.h"
#include "support/Rect.h"
#include "support/Registry.h"
#include "support/SoundSpy.h"
#include "support/ZelbrantProcess.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <stdio.h>

static WPARAM s_wKey;
static HMENU s_hMenu;
static std::vector<HBITMAP> s_pictures;

static HWND ShownMenu()
{
    HWND hWnd = FindWindowA("#32768", NULL);
    return IsWindowVisible(hWnd) ? hWnd : NULL;
}

// Dispatched by the menu's own loop: notes the menu and its pictures, then
// gives the loop the key.
static void CALLBACK VisitMenu(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hWndMenu = ShownMenu();
    if (!hWndMenu)
        return;
    KillTimer(NULL, nTimer);
    s_hMenu = (HMENU)SendMessageA(hWndMenu, MN_GETHMENU, 0, 0);
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_CHECKMARKS;
    for (UINT nId = ID_MENU_SAVE_SETTINGS; nId <= ID_MENU_QUIT; nId++) {
        if (GetMenuItemInfoA(s_hMenu, nId, FALSE, &mii) && mii.hbmpUnchecked == mii.hbmpChecked &&
            GetObjectType(mii.hbmpChecked) == OBJ_BITMAP)
            s_pictures.push_back(mii.hbmpChecked);
    }
    PostMessageA(hWndMenu, s_wKey == VK_ESCAPE ? WM_KEYDOWN : WM_CHAR, s_wKey, 0);
}

TEST(MainMenu, EachEntryDoesItsWorkWithItsSoundAndNoPictureOutlivesTheMenu)
{
    const std::string key = theApplication.m_strRegistryKey, parent = key.substr(0, key.rfind('\\'));
    const HINSTANCE hProgram = theApplication.m_hInstance, hNoResources = GetModuleHandleA("ntdll.dll");
    const struct {
        WPARAM wKey;
        int nResult;
        std::string volatileKey; // no lasting key can be made below it
        HINSTANCE hInstance;     // where the pictures and the About box come from
        std::vector<UINT> sounds, beeps;
    } cases[] = {
        {VK_ESCAPE, 0, "", hProgram, {}, {}},
        {'u', ID_MENU_CLOSE, "", hProgram, {}, {}},
        {'e', ID_MENU_SAVE_SETTINGS, "", hProgram, {IDW_SETTINGS_SAVED}, {}},
        {'e', ID_MENU_SAVE_SETTINGS, parent, hProgram, {IDW_FAILURE}, {}},
        {'e', ID_MENU_SAVE_SETTINGS, key + "\\MainWindow", hProgram, {IDW_FAILURE}, {}}, // the monitor's copy fails
        {'d', ID_MENU_ABOUT, "", hNoResources, {}, {MB_ICONHAND}},
        {'r', ID_MENU_QUIT, "", hProgram, {}, {}},
    };
    for (const auto &c : cases) {
        DeleteRegistryKey(parent);
        HKEY hKey = NULL;
        if (!c.volatileKey.empty())
            RegCreateKeyExA(HKEY_CURRENT_USER, c.volatileKey.c_str(), 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                            NULL, &hKey, NULL);
        RegCloseKey(hKey);
        MainDialog main;
        SoundSpy spy;
        s_wKey = c.wKey;
        s_pictures.clear();
        UINT_PTR nTimer = SetTimer(NULL, 0, 10, VisitMenu);
        theApplication.m_hInstance = c.hInstance;
        EXPECT_EQ(main.m_dlg.ShowMainMenu(), c.nResult);
        theApplication.m_hInstance = hProgram;
        KillTimer(NULL, nTimer);

        EXPECT_EQ(spy.Sounds(), c.sounds) << c.nResult << " " << c.volatileKey;
        EXPECT_EQ(spy.Beeps(), c.beeps) << c.nResult;
        EXPECT_EQ(IsWindowVisible(main.m_hWnd) != FALSE, c.nResult != ID_MENU_QUIT); // quit ends the dialog
        EXPECT_FALSE(IsMenu(s_hMenu));
        EXPECT_EQ(s_pictures.size(), c.hInstance == hProgram ? 4u : 0u) << c.nResult;
        for (HBITMAP hbm : s_pictures)
            EXPECT_EQ(GetObjectType(hbm), 0u) << c.nResult << ": a picture is left behind";
    }
    DeleteRegistryKey(parent);
}

// Enter on the Menu button opens the menu, and the entry's key chooses.
static void Choose(WORD wVk)
{
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return ShownMenu() != NULL; }, 10000));
    PressKey(wVk);
    ASSERT_TRUE(WaitUntil([] { return ShownMenu() == NULL; }, 10000));
}

static std::string Stored(const std::string &key, std::initializer_list<const char *> names)
{
    std::string str;
    for (const char *pszName : names) {
        DWORD dw = 0;
        str += ReadStoredDword(key, pszName, &dw) ? std::to_string(dw) + " " : "? ";
    }
    return str;
}

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
    RECT rcDialog, rcMenu;
    GetWindowRect(hWndDialog, &rcDialog);
    POINT ptMenuButton = CenterOf(zelbrant.Control(IDOK));
    for (POINT pt : {CenterOf(zelbrant.Control(IDC_AUTO_FIND_ROOT_PARENT)), ptMenuButton}) { // option off, menu
        ASSERT_TRUE(MovePointerTo(pt));
        PressLeftButton();
        ReleaseLeftButton();
    }
    ASSERT_TRUE(WaitUntil([] { return ShownMenu() != NULL; }, 10000));
    GetWindowRect(ShownMenu(), &rcMenu);
    EXPECT_TRUE(rcMenu.left == ptMenuButton.x && rcMenu.top == ptMenuButton.y) << rcMenu;
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([] { return ShownMenu() == NULL; }, 10000));
    Choose('U'); // "Fermer ce Menu"
    EXPECT_EQ(Stored(key, {"KeepDialogOnTop"}), "? ");

    Choose('E');
    char szPlace[64], szMonitor[64];
    snprintf(szPlace, sizeof(szPlace), "%ld %ld %ld %ld ", rcDialog.left, rcDialog.top, rcDialog.right - rcDialog.left,
             rcDialog.bottom - rcDialog.top);
    snprintf(szMonitor, sizeof(szMonitor), "\\MainWindow\\MonitorRectangle(0,0,%d,%d)", GetSystemMetrics(SM_CXSCREEN),
             GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(Stored(key, {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"}), "1 0 1 ");
    EXPECT_EQ(Stored(key + "\\MainWindow", {"X", "Y", "CX", "CY"}), szPlace);
    EXPECT_EQ(Stored(key + szMonitor, {"X", "Y", "CX", "CY"}), szPlace);

    Choose('B'); // the shortcut is written after the menu has closed
    EXPECT_TRUE(WaitUntil([&] { return DeleteFileA(link.c_str()) != FALSE; }, 10000));
    // The About box opens centred over the dialog, owned by it.
    Choose('D');
    HWND hWndAbout = NULL;
    ASSERT_TRUE(WaitUntil([&] { return GetWindow(hWndAbout = GetForegroundWindow(), GW_OWNER) == hWndDialog; }, 10000));
    POINT ptAbout = CenterOf(hWndAbout), ptDialog = CenterOf(hWndDialog);
    EXPECT_LE(abs(ptAbout.x - ptDialog.x) + abs(ptAbout.y - ptDialog.y), 2);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(hWndAbout); }, 10000));

    Choose('R');
    EXPECT_EQ(zelbrant.m_process.WaitForExit(10000), 0u);
    // Started again, it comes back where it was saved, with the saved options.
    ZelbrantProcess again;
    ASSERT_TRUE(again.Start());
    RECT rcAgain;
    GetWindowRect(again.m_hWndDialog, &rcAgain);
    EXPECT_EQ(rcAgain, rcDialog);
    EXPECT_FALSE(IsDlgButtonChecked(again.m_hWndDialog, IDC_AUTO_FIND_ROOT_PARENT));
    EXPECT_EQ(again.Close(), 0u);
}
