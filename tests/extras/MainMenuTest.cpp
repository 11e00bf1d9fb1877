// The Menu button's popup menu and its entries, the About box, and the web
// addresses its links open through the shell, in the test program: the menu
// and the About box run modal loops of their own, in which a timer acts.
#include "app/Application.h"
#include "res/resource.h"

#include <commctrl.h>
#include "support/Support.h"

#include <gtest/gtest.h>

static const char s_szCollaboratorSite[] = "https://lucien-arbour.example.net/";
static WPARAM s_wKey;
static HMENU s_hMenu;
static std::vector<HBITMAP> s_pictures;
static HICON s_hAboutClose, s_hAboutSmall;

// Wine's SysLink keeps the Enter key whatever its style, so Enter never
// reaches Fermer there; an NM_RETURN that a link sends is tested instead.
static void CheckAboutBox(HWND hWndBox)
{
    s_hAboutClose = (HICON)SendMessageA(GetDlgItem(hWndBox, IDOK), BM_GETIMAGE, IMAGE_ICON, 0);
    s_hAboutSmall = (HICON)SendMessageA(hWndBox, WM_GETICON, ICON_SMALL, 0);
    EXPECT_EQ(WindowText(hWndBox), "À propos de Zelbrant");
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
        return SendMessageA(hWndBox, WM_NOTIFY, nId, (LPARAM)&nm);
    };
    const std::pair<int, UINT> aLinks[] = {{IDC_ABOUT_LINK_PRODUCT, NM_CLICK},
                                           {IDC_ABOUT_LINK_COLLABORATOR, NM_CLICK},
                                           {IDC_ABOUT_LINK_COLLABORATOR, NM_RETURN}};
    for (auto link : aLinks)
        EXPECT_EQ(OpenedBy([&] { notify(link.first, link.second); }),
                  link.first == IDC_ABOUT_LINK_PRODUCT ? "https://zelbrant.example.org/" : s_szCollaboratorSite);
    // A handler that cannot start: one message box, owned by the About box, which stays open.
    std::string previous = SetUrlHandler("\"C:\\nulle-part\\navigateur.exe\" %1");
    HWND hWndOwner = NULL;
    std::string text = CatchMessageBox([&] { notify(IDC_ABOUT_LINK_COLLABORATOR, NM_CLICK); }, &hWndOwner);
    SetUrlHandler(previous);
    EXPECT_EQ(text.substr(text.find('|') + 1),
              s_szCollaboratorSite + std::string("\n\nImpossible d'ouvrir l'adresse de ce site Web."));
    EXPECT_TRUE(hWndOwner == hWndBox && IsWindowVisible(hWndBox));
}

// Notes the menu and its pictures and gives it the key; then checks the About
// box, if one opens, and closes it.
static void CALLBACK ActInModalLoop(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hWndMenu = FindWindowA("#32768", NULL), hWndBox = GetActiveWindow();
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_CHECKMARKS;
    if (s_wKey && IsWindowVisible(hWndMenu)) {
        s_hMenu = (HMENU)SendMessageA(hWndMenu, MN_GETHMENU, 0, 0);
        for (UINT nId = ID_MENU_SAVE_SETTINGS; nId <= ID_MENU_QUIT; nId++)
            if (GetMenuItemInfoA(s_hMenu, nId, FALSE, &mii) && mii.hbmpUnchecked == mii.hbmpChecked &&
                GetObjectType(mii.hbmpChecked) == OBJ_BITMAP)
                s_pictures.push_back(mii.hbmpChecked);
        PostMessageA(hWndMenu, s_wKey == VK_ESCAPE ? WM_KEYDOWN : WM_CHAR, s_wKey, 0);
        s_wKey = 0;
    } else if (!s_wKey && GetWindow(hWndBox, GW_OWNER) && IsWindowVisible(hWndBox)) {
        KillTimer(NULL, nTimer); // before the checks, which run loops of their own
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
        EXPECT_TRUE(spy.m_sounds == c.sounds && spy.m_beeps == c.beeps) << c.nResult << " " << c.volatileKey;
        if (c.sounds == std::vector<UINT>{IDW_SETTINGS_SAVED}) { // the options as they are, the frame's too
            EXPECT_EQ(StoredDwords(key, {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"}), "1 1 1 ");
        }
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
