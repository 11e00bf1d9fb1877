// The Menu button's popup menu and its entries, and the web addresses that F1
// and the About box's links open through the shell: in the test program, then
// in the real Zelbrant.exe driven by real input.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/MouseInput.h"
#include "support/Rect.h"
#include "support/Registry.h"
#include "support/SoundSpy.h"
#include "support/ZelbrantProcess.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <shlobj.h>
#include <stdio.h>

namespace {

const char s_szProductPage[] = "https://zelbrant.example.org/";
const char s_szCollaboratorSite[] = "https://lucien-arbour.example.net/";
const char s_szCannotOpen[] = "\n\nImpossible d'ouvrir l'adresse de ce site Web.";
// A handler whose program does not exist: the shell cannot start it.
const char s_szBrokenHandler[] = "\"C:\\nulle-part\\navigateur.exe\" %1";

// Makes the command the prefix's handler of http and https addresses (Wine
// reads it from the machine's classes only) and returns the one it replaces.
std::string SetUrlHandler(const std::string &command)
{
    const char *const apszKeys[] = {"Software\\Classes\\http\\shell\\open\\command",
                                    "Software\\Classes\\https\\shell\\open\\command"};
    char szPrevious[1024] = "";
    DWORD cb = sizeof szPrevious;
    RegGetValueA(HKEY_LOCAL_MACHINE, apszKeys[0], NULL, RRF_RT_REG_SZ, NULL, szPrevious, &cb);
    for (const char *pszKey : apszKeys)
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, pszKey, NULL, REG_SZ, command.c_str(), (DWORD)command.size() + 1);
    return szPrevious;
}

// The address that the action has the shell open, as url_recorder.exe, made
// the handler for the time in place of a real browser, records it; or "".
std::string OpenedBy(const std::function<void()> &action)
{
    std::wstring recorder = BinDirectory() + L"url_recorder.exe";
    std::string previous = SetUrlHandler("\"" + std::string(recorder.begin(), recorder.end()) + "\" %1");
    DeleteRegistryKey("Software\\ZelbrantTests");
    action();
    char szOpened[4096] = "";
    DWORD cb = 0;
    WaitUntil(
        [&] {
            return !RegGetValueA(HKEY_CURRENT_USER, "Software\\ZelbrantTests", "OpenedAddress", RRF_RT_REG_SZ, NULL,
                                 szOpened, &(cb = sizeof szOpened));
        },
        5000);
    SetUrlHandler(previous);
    return szOpened;
}

HWND ShownMenu()
{
    HWND hWnd = FindWindowA("#32768", NULL);
    return IsWindowVisible(hWnd) ? hWnd : NULL;
}

WPARAM s_wKey;
HMENU s_hMenu;
std::vector<HBITMAP> s_pictures;
HICON s_hAboutClose, s_hAboutSmall;

// Wine's SysLink keeps the Enter key whatever its style, so Enter never
// reaches Fermer there; an NM_RETURN that a link sends is tested instead.
void CheckAboutBox(HWND hWndBox)
{
    s_hAboutClose = (HICON)SendMessageA(GetDlgItem(hWndBox, IDOK), BM_GETIMAGE, IMAGE_ICON, 0);
    s_hAboutSmall = (HICON)SendMessageA(hWndBox, WM_GETICON, ICON_SMALL, 0);
    EXPECT_EQ(WindowText(hWndBox), "\xC0 propos de Zelbrant");
    EXPECT_EQ(WindowText(GetDlgItem(hWndBox, IDC_ABOUT_VERSION)), "Zelbrant\nVersion 1.3.0.0");
    EXPECT_EQ(GetFocus(), GetDlgItem(hWndBox, IDOK));
    RECT rcBox, rcWork, rcBoth; // its owner is past the screen's top-left corner
    GetWindowRect(hWndBox, &rcBox);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_TRUE(UnionRect(&rcBoth, &rcBox, &rcWork) && EqualRect(&rcBoth, &rcWork)) << rcBox;
    // A link's notification as the link sends it, with the address its markup holds.
    auto notify = [hWndBox](int nId, UINT nCode) {
        NMLINK nm = {};
        nm.hdr = {GetDlgItem(hWndBox, nId), (UINT_PTR)nId, nCode};
        nm.item.mask = LIF_ITEMINDEX | LIF_URL;
        SendMessageW(nm.hdr.hwndFrom, LM_GETITEM, 0, (LPARAM)&nm.item);
        SetWindowLongA(hWndBox, DWL_MSGRESULT, 1);
        return SendMessageA(hWndBox, WM_NOTIFY, nId, (LPARAM)&nm);
    };
    const std::pair<int, UINT> aLinks[] = {{IDC_ABOUT_LINK_PRODUCT, NM_CLICK},
                                           {IDC_ABOUT_LINK_COLLABORATOR, NM_CLICK},
                                           {IDC_ABOUT_LINK_COLLABORATOR, NM_RETURN}};
    for (auto link : aLinks) {
        LRESULT nResult = 1;
        EXPECT_EQ(OpenedBy([&] { nResult = notify(link.first, link.second); }),
                  link.first == IDC_ABOUT_LINK_PRODUCT ? s_szProductPage : s_szCollaboratorSite);
        EXPECT_EQ(nResult, 0) << link.first;
    }
    std::string previous = SetUrlHandler(s_szBrokenHandler);
    MessageBoxCatcher box(NULL, hWndBox);
    notify(IDC_ABOUT_LINK_COLLABORATOR, NM_CLICK);
    EXPECT_EQ(box.Text(), s_szCollaboratorSite + std::string(s_szCannotOpen));
    EXPECT_TRUE(IsWindowVisible(hWndBox));
    SetUrlHandler(previous);
}

// In the test program, the popup menu and the About box run modal loops of
// their own: a timer that they dispatch notes the menu and its pictures and
// gives it the key, then checks the About box, if one opens, and closes it.
void CALLBACK ActInModalLoop(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hWndMenu = ShownMenu(), hWndBox = GetActiveWindow();
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_CHECKMARKS;
    if (s_wKey && hWndMenu) {
        s_hMenu = (HMENU)SendMessageA(hWndMenu, MN_GETHMENU, 0, 0);
        for (UINT nId = ID_MENU_SAVE_SETTINGS; nId <= ID_MENU_QUIT; nId++) {
            if (GetMenuItemInfoA(s_hMenu, nId, FALSE, &mii) && mii.hbmpUnchecked == mii.hbmpChecked &&
                GetObjectType(mii.hbmpChecked) == OBJ_BITMAP)
                s_pictures.push_back(mii.hbmpChecked);
        }
        PostMessageA(hWndMenu, s_wKey == VK_ESCAPE ? WM_KEYDOWN : WM_CHAR, s_wKey, 0);
        s_wKey = 0;
    } else if (!s_wKey && GetWindow(hWndBox, GW_OWNER) && IsWindowVisible(hWndBox)) {
        KillTimer(NULL, nTimer); // before the action, which may run a loop of its own
        CheckAboutBox(hWndBox);
        PostMessageA(hWndBox, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST(MainMenu, EachEntryDoesItsWorkWithItsSoundAndNoPictureOrIconOutlivesIt)
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
        {'d', ID_MENU_ABOUT, "", hProgram, {}, {}},
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
        SetWindowPos(main.m_hWnd, NULL, -250, -120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SoundSpy spy;
        s_wKey = c.wKey;
        s_pictures.clear();
        UINT_PTR nTimer = SetTimer(NULL, 0, 10, ActInModalLoop);
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
    ICONINFO ii;
    EXPECT_TRUE(s_hAboutClose && !GetIconInfo(s_hAboutClose, &ii)) << "the About box's Fermer icon missing or kept";
    EXPECT_TRUE(s_hAboutSmall && !GetIconInfo(s_hAboutSmall, &ii)) << "the About box's small icon missing or kept";
}

// Enter on the Menu button opens the menu, and the entry's key chooses.
void Choose(WORD wVk)
{
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return ShownMenu() != NULL; }, 10000));
    PressKey(wVk);
    ASSERT_TRUE(WaitUntil([] { return ShownMenu() == NULL; }, 10000));
}

std::string Stored(const std::string &key, std::initializer_list<const char *> names)
{
    std::string str;
    for (const char *pszName : names) {
        DWORD dw = 0;
        str += ReadStoredDword(key, pszName, &dw) ? std::to_string(dw) + " " : "? ";
    }
    return str;
}

TEST(MainMenuEndToEnd, AUserGetsHelpOpensTheMenuSavesMakesTheShortcutSeesAboutAndQuits)
{
    const std::string key = theApplication.m_strRegistryKey;
    DeleteRegistryKey(key); // the first start: the option that keeps the selected window on top is disabled
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
    SetForegroundWindow(hWndDialog);

    // F1 on Menu and on the options that Tab walks to, and the context-help command.
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof gti;
    for (int nId : {IDOK, IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT}) {
        GetGUIThreadInfo(zelbrant.m_process.m_pi.dwThreadId, &gti);
        EXPECT_EQ(GetDlgCtrlID(gti.hwndFocus), nId);
        EXPECT_EQ(OpenedBy([] { PressKey(VK_F1); }), s_szProductPage) << "F1 on control " << nId;
        PressKey(VK_TAB);
    }
    EXPECT_EQ(OpenedBy([&] { PostMessageA(hWndDialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }), s_szProductPage);
    std::string previous = SetUrlHandler(s_szBrokenHandler);
    PressKey(VK_F1);
    HWND hWndBox = zelbrant.m_process.WaitForWindow("#32770", NULL, 5000, hWndDialog);
    SetUrlHandler(previous);
    ASSERT_TRUE(hWndBox) << "no message box owned by the dialog";
    EXPECT_EQ(MessageBoxText(hWndBox), s_szProductPage + std::string(s_szCannotOpen));
    DismissMessageBox(hWndBox);
    EXPECT_EQ(OpenedBy([] { PressKey(VK_F1); }), s_szProductPage); // once the box is dismissed, as before

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

    Choose('E'); // the program saves once the menu has gone: the options last
    WaitUntil([&] { return Stored(key, {"DrawInvertedFrame"}) != "? "; }, 5000);
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

} // namespace
