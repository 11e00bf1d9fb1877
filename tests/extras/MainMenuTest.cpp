// The Menu button's popup menu run in the test program: its pictures while
// it is open and after it has closed, and what each entry plays. The test
// looks at the menu from a timer that the menu's own loop dispatches, then
// gives that loop one key.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/Registry.h"
#include "support/SoundSpy.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct MenuVisit {
    UINT nKeyMessage;
    WPARAM wKey;
    HMENU hMenu;
    std::vector<HBITMAP> pictures;
    std::vector<SIZE> sizes;
    int nTicks;
};
MenuVisit *s_pVisit;

void CALLBACK VisitMenu(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hWndMenu = FindWindowA("#32768", NULL);
    if ((!hWndMenu || !IsWindowVisible(hWndMenu)) && ++s_pVisit->nTicks < 200)
        return; // not on the screen yet
    KillTimer(NULL, nTimer);
    s_pVisit->hMenu = (HMENU)SendMessageA(hWndMenu, MN_GETHMENU, 0, 0);
    for (UINT nId = ID_MENU_SAVE_SETTINGS; nId <= ID_MENU_QUIT; nId++) {
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_CHECKMARKS;
        BITMAP bm;
        if (GetMenuItemInfoA(s_pVisit->hMenu, nId, FALSE, &mii) && mii.hbmpChecked == mii.hbmpUnchecked &&
            GetObjectA(mii.hbmpUnchecked, sizeof(bm), &bm)) {
            s_pVisit->pictures.push_back(mii.hbmpUnchecked);
            s_pVisit->sizes.push_back(SIZE{bm.bmWidth, bm.bmHeight});
        }
    }
    PostMessageA(hWndMenu, s_pVisit->nKeyMessage, s_pVisit->wKey, 0);
}

// Registry keys that refuse writes: no lasting key can be made below a
// volatile one.
void MakeVolatileKey(const std::string &key)
{
    HKEY hKey;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, NULL, &hKey,
                              NULL),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
}

} // namespace

TEST(MainMenu, EachEntryDoesItsWorkWithItsSoundAndNoPictureOutlivesTheMenu)
{
    const std::string key = theApplication.m_strRegistryKey;
    const std::string parent = key.substr(0, key.rfind('\\'));
    const int cxPicture = std::max(16, GetSystemMetrics(SM_CXMENUCHECK));
    const int cyPicture = std::max(16, GetSystemMetrics(SM_CYMENUCHECK));
    const HINSTANCE hInstance = theApplication.m_hInstance;
    const struct {
        const char *pszCase;
        UINT nKeyMessage;
        WPARAM wKey;
        std::string volatileKey; // refuses lasting subkeys
        HINSTANCE hModule;       // the program's resources come from there
        int nResult;
        std::vector<UINT> sounds, beeps;
    } cases[] = {
        {"Escape", WM_KEYDOWN, VK_ESCAPE, "", hInstance, 0, {}, {}},
        {"close", WM_CHAR, 'u', "", hInstance, ID_MENU_CLOSE, {}, {}},
        {"save", WM_CHAR, 'e', "", hInstance, ID_MENU_SAVE_SETTINGS, {IDW_SETTINGS_SAVED}, {}},
        {"save, nothing writable", WM_CHAR, 'e', parent, hInstance, ID_MENU_SAVE_SETTINGS, {IDW_FAILURE}, {}},
        {"save, placement copy refused",
         WM_CHAR,
         'e',
         key + "\\MainWindow",
         hInstance,
         ID_MENU_SAVE_SETTINGS,
         {IDW_FAILURE},
         {}},
        {"About, no resources", WM_CHAR, 'd', "", GetModuleHandleA("ntdll.dll"), ID_MENU_ABOUT, {}, {MB_ICONHAND}},
        {"quit", WM_CHAR, 'r', "", hInstance, ID_MENU_QUIT, {}, {}},
    };
    for (const auto &c : cases) {
        DeleteRegistryKey(parent);
        if (!c.volatileKey.empty())
            MakeVolatileKey(c.volatileKey);
        MainDialog main;
        SoundSpy spy;
        ASSERT_TRUE(main.m_hWnd && spy.Installed());
        MenuVisit visit = {c.nKeyMessage, c.wKey, NULL, {}, {}, 0};
        s_pVisit = &visit;
        UINT_PTR nTimer = SetTimer(NULL, 0, 10, VisitMenu);
        theApplication.m_hInstance = c.hModule;
        int nResult = main.m_dlg.ShowMainMenu();
        theApplication.m_hInstance = hInstance;
        KillTimer(NULL, nTimer);

        EXPECT_EQ(nResult, c.nResult) << c.pszCase;
        EXPECT_EQ(spy.Sounds(), c.sounds) << c.pszCase;
        EXPECT_EQ(spy.Beeps(), c.beeps) << c.pszCase;
        EXPECT_EQ(IsWindowVisible(main.m_hWnd) != FALSE, c.nResult != ID_MENU_QUIT) << c.pszCase;
        EXPECT_EQ(visit.pictures.size(), c.hModule == hInstance ? 4u : 0u) << c.pszCase;
        for (size_t i = 0; i < visit.pictures.size(); i++) {
            EXPECT_TRUE(visit.sizes[i].cx == cxPicture && visit.sizes[i].cy == cyPicture) << c.pszCase;
            EXPECT_EQ(GetObjectType(visit.pictures[i]), 0u) << c.pszCase << ": picture " << i << " left behind";
        }
        EXPECT_TRUE(visit.hMenu && !IsMenu(visit.hMenu)) << c.pszCase;
    }
    DeleteRegistryKey(parent);
}
