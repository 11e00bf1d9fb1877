// The About box: shows the version read from the program file, opens its two
// links in the browser, and gives back its icons when it closes.
#include "extras/AboutDialog.h"

#include "app/Application.h"
#include "app/Resources.h"
#include "extras/WebAddress.h"
#include "res/resource.h"
#include "settings/Placement.h"

#include <commctrl.h>
#include <stdio.h>

static const int CLOSE_ICON_SIZE = 32;
static const int SMALL_ICON_SIZE = 16;

static void ShowVersion(HWND hDlg)
{
    ULONGLONG ullVersion = theApplication.m_ullFileVersion;
    char szVersion[24];
    snprintf(szVersion, sizeof szVersion, "%hu.%hu.%hu.%hu", FileVersionPart(ullVersion, 0),
             FileVersionPart(ullVersion, 1), FileVersionPart(ullVersion, 2), FileVersionPart(ullVersion, 3));
    char szLine[48];
    snprintf(szLine, sizeof szLine, "Zelbrant\nVersion %s", szVersion);
    SetWindowTextA(GetDlgItem(hDlg, IDC_ABOUT_VERSION), szLine);
}

static BOOL OnAboutInitDialog(HWND hDlg)
{
    ShowVersion(hDlg);
    HWND hWndClose = GetDlgItem(hDlg, IDOK);
    SendMessageA(hWndClose, BM_SETIMAGE, IMAGE_ICON,
                 (LPARAM)LoadIconImage(IDI_CLOSE, CLOSE_ICON_SIZE, CLOSE_ICON_SIZE));
    SendMessageA(hDlg, WM_SETICON, ICON_SMALL, (LPARAM)LoadIconImage(IDI_ABOUT, SMALL_ICON_SIZE, SMALL_ICON_SIZE));
    CenterWindowOverOwner(hDlg, GetParent(hDlg));
    SendMessageA(hDlg, WM_NEXTDLGCTL, (WPARAM)hWndClose, TRUE);
    return FALSE; // the focus is set
}

static bool IsFromLink(HWND hDlg, const NMHDR *pHeader)
{
    return (pHeader->hwndFrom == GetDlgItem(hDlg, IDC_ABOUT_LINK_PRODUCT) &&
            pHeader->idFrom == IDC_ABOUT_LINK_PRODUCT) ||
           (pHeader->hwndFrom == GetDlgItem(hDlg, IDC_ABOUT_LINK_COLLABORATOR) &&
            pHeader->idFrom == IDC_ABOUT_LINK_COLLABORATOR);
}

// A click on a link, or Enter where the link keeps it, opens that link's own
// address. The box stays open.
static BOOL OnAboutNotify(HWND hDlg, const NMHDR *pHeader)
{
    if ((pHeader->code != NM_CLICK && pHeader->code != NM_RETURN) || !IsFromLink(hDlg, pHeader))
        return FALSE;
    const NMLINK *pLink = (const NMLINK *)pHeader;
    char szAddress[L_MAX_URL_LENGTH];
    if (WideCharToMultiByte(CP_ACP, 0, pLink->item.szUrl, -1, szAddress, sizeof szAddress, NULL, NULL))
        OpenWebAddress(szAddress, hDlg);
    SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 0);
    return TRUE;
}

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnAboutInitDialog(hDlg);
    case WM_NOTIFY:
        return OnAboutNotify(hDlg, (const NMHDR *)lParam);
    case WM_COMMAND:
        // Fermer, Enter, Escape and the title bar's close button.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        DestroyShownIcon(GetDlgItem(hDlg, IDOK), BM_GETIMAGE, IMAGE_ICON);
        DestroyShownIcon(hDlg, WM_GETICON, ICON_SMALL);
        return TRUE;
    default:
        return FALSE;
    }
}
