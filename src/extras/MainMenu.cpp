// The Menu button's popup menu: built with its pictures each time it opens,
// shown at the button, destroyed as soon as it closes, and the chosen entry
// carried out at once.
#include "dialog/DlgZelbrant.h"

#include "app/Application.h"
#include "app/Resources.h"
#include "extras/AboutDialog.h"
#include "extras/MenuBitmap.h"
#include "res/resource.h"
#include "settings/Placement.h"
#include "settings/RegistryStore.h"

#include <algorithm>

namespace {

struct MenuRow {
    UINT nId;
    UINT uFlags;
    const char *pszCaption;
    UINT nIconId; // 0: no picture
};

const MenuRow s_rows[] = {
    {ID_MENU_SAVE_SETTINGS, MF_STRING, "&Enregistrer Tous les Paramètres dans le Registre Windows", IDI_SAVE},
    {ID_MENU_CREATE_SHORTCUT, MF_STRING, "Créer un Raccourci sur votre &Bureau", IDI_SHORTCUT},
    {0, MF_SEPARATOR, NULL, 0},
    {ID_MENU_ABOUT, MF_STRING, "À propos &de Zelbrant", IDI_ABOUT},
    {0, MF_SEPARATOR, NULL, 0},
    {ID_MENU_QUIT, MF_STRING, "Quitte&r", IDI_QUIT},
    {0, MF_SEPARATOR, NULL, 0},
    {ID_MENU_CLOSE, MF_STRING, "Fermer ce Men&u", 0},
};

const int s_nPictures = 4;

// The entry's icon as a bitmap blended over the menu colour; null when the
// icon cannot be loaded or converted, and the entry then has no picture.
HBITMAP CreateEntryBitmap(UINT nIconId, int cx, int cy, DWORD dwBackground)
{
    HICON hIcon = LoadIconImage(nIconId, cx, cy);
    if (!hIcon)
        return NULL;
    HBITMAP hbm = CreateMenuBitmapFromIcon(hIcon, dwBackground);
    DestroyIcon(hIcon);
    return hbm;
}

// Appends every row, with the pictures at cx x cy, to a new popup menu;
// false at the first row that cannot be appended.
bool BuildMainMenu(HMENU hMenu, int cx, int cy, HBITMAP *phbmPictures)
{
    // The menu colour 0x00BBGGRR as an opaque pixel 0xFFRRGGBB.
    COLORREF crMenu = GetSysColor(COLOR_MENU);
    DWORD dwBackground = 0xFF000000 | (GetRValue(crMenu) << 16) | (GetGValue(crMenu) << 8) | GetBValue(crMenu);
    int nPictures = 0;
    for (const MenuRow &row : s_rows) {
        if (!AppendMenuA(hMenu, row.uFlags, row.nId, row.pszCaption))
            return false;
        if (!row.nIconId)
            continue;
        HBITMAP hbm = CreateEntryBitmap(row.nIconId, cx, cy, dwBackground);
        if (hbm) {
            phbmPictures[nPictures++] = hbm;
            SetMenuItemBitmaps(hMenu, row.nId, MF_BYCOMMAND, hbm, hbm);
        }
    }
    return true;
}

} // namespace

int ZLBR_DlgZelbrant::ShowMainMenu()
{
    int cx = std::max(16, GetSystemMetrics(SM_CXMENUCHECK));
    int cy = std::max(16, GetSystemMetrics(SM_CYMENUCHECK));
    // The menu's top-left corner is at the centre of the Menu button.
    RECT rc = {};
    GetWindowRect(GetDlgItem(m_hWnd, IDOK), &rc);
    int x = rc.left + (rc.right - rc.left) / 2;
    int y = rc.top + (rc.bottom - rc.top) / 2;

    HBITMAP hbmPictures[s_nPictures] = {};
    HMENU hMenu = CreatePopupMenu();
    int nCommand = -1;
    if (hMenu && BuildMainMenu(hMenu, cx, cy, hbmPictures)) {
        // Runs the menu's own loop and returns the chosen command, 0 when
        // the menu was dismissed.
        nCommand = (int)TrackPopupMenuEx(
            hMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, x, y, m_hWnd, NULL);
    }
    // The pictures go while the menu that shows them still exists.
    for (HBITMAP hbm : hbmPictures) {
        if (hbm)
            DeleteObject(hbm);
    }
    if (hMenu)
        DestroyMenu(hMenu);

    switch (nCommand) {
    case ID_MENU_SAVE_SETTINGS:
        SaveAllSettings();
        break;
    case ID_MENU_CREATE_SHORTCUT:
        theApplication.CreateDesktopShortcut();
        break;
    case ID_MENU_ABOUT:
        if (DialogBoxParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), m_hWnd, AboutDlgProc, 0) == -1)
            MessageBeep(MB_ICONHAND);
        break;
    case ID_MENU_QUIT:
        // Handled before this call returns, as the title bar's close is.
        SendMessageA(m_hWnd, WM_COMMAND, IDC_QUIT, 0);
        break;
    default: // dismissed, closed, or no menu
        break;
    }
    return nCommand;
}

// The placement first, then the options the dialog holds (not what the
// check boxes show); both are attempted, and one failure sound tells either.
void ZLBR_DlgZelbrant::SaveAllSettings()
{
    bool bPlaced = SaveDialogPlacement(m_hWnd, PlacementKey().c_str());
    LONG lError = SaveSettings(m_bKeepDialogOnTop, m_bAutoFindRootParent, m_bDrawInvertedFrame);
    PlayFeedbackSound(bPlaced && lError == ERROR_SUCCESS ? IDW_SETTINGS_SAVED : IDW_FAILURE);
}
