// The Menu button's popup menu and its entries, the About box and the web addresses its links open: the
// menu and the About box run modal loops of their own, in which a timer acts.
#include "extras/MenuBitmap.h"
#include "support/Support.h"

#include <commctrl.h>

static const char s_szCollaboratorSite[] = "https://lucien-arbour.example.net/";
static WPARAM s_wKey;
static int s_nMenuItems;
static std::string s_strPictures; // per entry with a picture, "+" when it is its own icon's

// Wine's SysLink keeps the Enter key whatever its style: an NM_RETURN that a link sends is tested instead.
static void CheckAboutBox(HWND hWndBox)
{
    EXPECT_EQ(QueryWindowText(GetDlgItem(hWndBox, IDC_ABOUT_VERSION)), "Zelbrant\nVersion 1.3.0.0");
    EXPECT_EQ(GetFocus(), GetDlgItem(hWndBox, IDOK));
    POINT ptBox = CenterOf(hWndBox), ptOwner = CenterOf(GetWindow(hWndBox, GW_OWNER));
    EXPECT_LE(abs(ptBox.x - ptOwner.x) + abs(ptBox.y - ptOwner.y), 2) << "centred over the dialog";
    // A link's notification as the link sends it, with the address its markup holds.
    auto notify = [hWndBox](int nId, UINT nCode) {
        NMLINK nm = {};
        nm.hdr = {GetDlgItem(hWndBox, nId), (UINT_PTR)nId, nCode};
        nm.item.mask = LIF_ITEMINDEX | LIF_URL;
        SendMessageW(nm.hdr.hwndFrom, LM_GETITEM, 0, (LPARAM)&nm.item);
        return SendMessageA(hWndBox, WM_NOTIFY, nId, (LPARAM)&nm);
    };
    for (UINT nCode : {NM_CLICK, NM_RETURN})
        EXPECT_EQ(OpenedBy([&] { notify(IDC_ABOUT_LINK_COLLABORATOR, nCode); }), s_szCollaboratorSite) << nCode;
    // A handler that cannot start: one message box, owned by the About box, which stays open.
    std::string previous = SetUrlHandler("\"C:\\nulle-part\\navigateur.exe\" %1");
    HWND hWndOwner = NULL;
    std::string text = CatchMessageBox([&] { notify(IDC_ABOUT_LINK_COLLABORATOR, NM_CLICK); }, &hWndOwner);
    SetUrlHandler(previous);
    EXPECT_EQ(text.substr(text.find('|') + 1),
              s_szCollaboratorSite + std::string("\n\nImpossible d'ouvrir l'adresse de ce site Web."));
    EXPECT_TRUE(hWndOwner == hWndBox && IsWindowVisible(hWndBox));
}

// Notes the menu and its pictures and gives it the key; then checks the About box, if one opens, and closes it.
static void CALLBACK ActInModalLoop(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hWndMenu = FindWindowA("#32768", NULL), hWndBox = GetActiveWindow();
    if (s_wKey && IsWindowVisible(hWndMenu)) {
        HMENU hMenu = (HMENU)SendMessageA(hWndMenu, MN_GETHMENU, 0, 0);
        s_nMenuItems = GetMenuItemCount(hMenu); // five entries and their three separators
        const std::pair<UINT, UINT> entries[] = {{ID_MENU_SAVE_SETTINGS, IDI_SAVE},
                                                 {ID_MENU_CREATE_SHORTCUT, IDI_SHORTCUT},
                                                 {ID_MENU_ABOUT, IDI_ABOUT},
                                                 {ID_MENU_QUIT, IDI_QUIT}};
        COLORREF crMenu = GetSysColor(COLOR_MENU);
        crMenu = RGB(GetBValue(crMenu), GetGValue(crMenu), GetRValue(crMenu)) | 0xFF000000; // as 0xAARRGGBB
        for (auto [nId, nIconId] : entries) { // its icon, blended over the menu colour, at the picture's size
            MENUITEMINFOA mii = {};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_CHECKMARKS;
            BITMAP bm = {};
            bool bRead = GetMenuItemInfoA(hMenu, nId, FALSE, &mii) && GetObjectA(mii.hbmpChecked, sizeof bm, &bm);
            HICON hIcon = bRead ? (HICON)LoadImageA(theApplication.m_hInstance, MAKEINTRESOURCEA(nIconId), IMAGE_ICON,
                                                    bm.bmWidth, bm.bmHeight, 0)
                                : NULL;
            HBITMAP hbm = bRead ? CreateMenuBitmapFromIcon(hIcon, crMenu) : NULL;
            s_strPictures += bRead && BitmapPixels(hbm) == BitmapPixels(mii.hbmpChecked) ? "+" : "-";
            DeleteObject(hbm);
            DestroyIcon(hIcon);
        }
        PostMessageA(hWndMenu, WM_CHAR, s_wKey, 0);
        s_wKey = 0;
    } else if (!s_wKey && GetWindow(hWndBox, GW_OWNER) && IsWindowVisible(hWndBox)) {
        KillTimer(NULL, nTimer); // before the checks, which run loops of their own
        CheckAboutBox(hWndBox);
        PostMessageA(hWndBox, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST(MainMenu, EachEntryShowsItsOwnPictureAndDoesItsWorkWithItsSound)
{
    const std::string key = theApplication.m_strRegistryKey, parent = key.substr(0, key.rfind('\\'));
    const struct {
        WPARAM wKey;
        std::string volatileKey; // no lasting key can be made below it
        std::vector<UINT> sounds;
        const char *pszStored; // the options, saved as the dialog holds them, then the place
    } cases[] = {
        {'u', "", {}, "? ? ? ? ? "},
        {'e', "", {IDW_SETTINGS_SAVED}, "0 1 1 300 200 "},
        {'e', parent, {IDW_FAILURE}, "? ? ? ? ? "},
        {'e', key + "\\MainWindow", {IDW_FAILURE}, "0 1 1 300 200 "}, // the copy fails
        {'d', "", {}, "? ? ? ? ? "},
    };
    for (const auto &c : cases) {
        RegDeleteTreeA(HKEY_CURRENT_USER, parent.c_str());
        HKEY hKey = NULL; // an empty name opens HKEY_CURRENT_USER itself
        RegCreateKeyExA(HKEY_CURRENT_USER, c.volatileKey.c_str(), 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, NULL,
                        &hKey, NULL);
        RegCloseKey(hKey);
        MainDialog main;
        SetWindowPos(main.m_hWnd, NULL, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        main.m_dlg.m_bKeepDialogOnTop = false;
        SoundSpy spy;
        s_wKey = c.wKey;
        s_strPictures.clear();
        UINT_PTR nTimer = SetTimer(NULL, 0, 10, ActInModalLoop);
        main.m_dlg.ShowMainMenu();
        KillTimer(NULL, nTimer);
        EXPECT_TRUE(spy.m_sounds == c.sounds && spy.m_beeps.empty()) << (char)c.wKey << " " << c.volatileKey;
        EXPECT_EQ(StoredDwords(key, {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"}) +
                      StoredDwords(key + "\\MainWindow", {"X", "Y"}),
                  c.pszStored);
        EXPECT_TRUE(IsWindowVisible(main.m_hWnd) && s_nMenuItems == 8 && s_strPictures == "++++")
            << (char)c.wKey << " " << s_strPictures;
    }
}
