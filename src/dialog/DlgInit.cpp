// The main dialog's start (options, place, icons, empty panel), its return
// to the idle state when a finder drag loses the mouse capture, and the
// release of its icons when it is destroyed.
#include "dialog/DlgZelbrant.h"

#include "app/Resources.h"
#include "res/resource.h"
#include "settings/Placement.h"
#include "settings/RegistryStore.h"

static const int FINDER_ICON_SIZE = 32;
static const int SMALL_ICON_SIZE = 16;

BOOL ZLBR_DlgZelbrant::OnInitDialog()
{
    m_hWndPointed = m_hWndRoot = m_hWndFramed = NULL;
    m_bKeepDialogOnTop = m_bAutoFindRootParent = m_bDrawInvertedFrame = OPTION_DEFAULT;
    m_bSelectedOnTop = false;
    m_bTracking = false;

    CollectControlHandles();
    RecordFinderIconRect();
    if (!m_hFinderCursor) {
        EndDialog(m_hWnd, -1);
        return FALSE;
    }

    LoadSettings(&m_bKeepDialogOnTop, &m_bAutoFindRootParent, &m_bDrawInvertedFrame);
    PlaceDialog();
    ShowFinderIcon(true);
    UpdateWindowInfo(NULL);

    SetControlChecked(GetDlgItem(m_hWnd, IDC_KEEP_DIALOG_ON_TOP), m_bKeepDialogOnTop);
    SetControlChecked(GetDlgItem(m_hWnd, IDC_AUTO_FIND_ROOT_PARENT), m_bAutoFindRootParent);
    ShowFrameOption();

    SendMessageA(m_hWndCopy, BM_SETIMAGE, IMAGE_ICON,
                 (LPARAM)LoadIconImage(IDI_COPY, SMALL_ICON_SIZE, SMALL_ICON_SIZE));
    SendMessageA(m_hWndMenu, BM_SETIMAGE, IMAGE_ICON,
                 (LPARAM)LoadIconImage(IDI_MENU, SMALL_ICON_SIZE, SMALL_ICON_SIZE));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, (LPARAM)LoadIconImage(IDI_MAIN, SMALL_ICON_SIZE, SMALL_ICON_SIZE));

    FocusMenuButton();
    return FALSE; // the focus is set
}

void ZLBR_DlgZelbrant::CollectControlHandles()
{
    m_hWndFinderIcon = GetDlgItem(m_hWnd, IDC_FINDER_ICON);
    m_hWndInfoTitle = GetDlgItem(m_hWnd, IDC_INFO_TITLE);
    m_hWndInfoClass = GetDlgItem(m_hWnd, IDC_INFO_CLASS);
    m_hWndInfoHandle = GetDlgItem(m_hWnd, IDC_INFO_HANDLE);
    m_hWndInfoId = GetDlgItem(m_hWnd, IDC_INFO_ID);
    m_hWndInfoStyle = GetDlgItem(m_hWnd, IDC_INFO_STYLE);
    m_hWndInfoExStyle = GetDlgItem(m_hWnd, IDC_INFO_EXSTYLE);
    m_hWndInfoParent = GetDlgItem(m_hWnd, IDC_INFO_PARENT);
    m_hWndInfoRect = GetDlgItem(m_hWnd, IDC_INFO_RECT);
    m_hWndKeepSelectedOnTop = GetDlgItem(m_hWnd, IDC_KEEP_SELECTED_ON_TOP);
    m_hWndCopy = GetDlgItem(m_hWnd, IDC_COPY_TO_CLIPBOARD);
    m_hWndMenu = GetDlgItem(m_hWnd, IDOK);
    for (int i = 0; i < PANEL_FIELDS; i++)
        m_ahWndLabels[i] = GetDlgItem(m_hWnd, IDC_LABEL_TITLE + i);
}

// Mouse messages arrive in the dialog's client coordinates: the finder
// icon's rectangle is kept in the same ones.
void ZLBR_DlgZelbrant::RecordFinderIconRect()
{
    GetWindowRect(m_hWndFinderIcon, &m_rcFinderIcon);
    if (ScreenToClient(m_hWnd, (POINT *)&m_rcFinderIcon.left))
        ScreenToClient(m_hWnd, (POINT *)&m_rcFinderIcon.right);
}

// Moves the dialog to its saved place (or keeps it where it was created,
// inside the work area) and sets its topmost state in the same call.
void ZLBR_DlgZelbrant::PlaceDialog()
{
    RECT rcCurrent, rcPlaced;
    GetWindowRect(m_hWnd, &rcCurrent);
    RestoreDialogPlacement(PlacementKey().c_str(), &rcCurrent, &rcPlaced);
    POINT ptPlaced = {rcPlaced.left, rcPlaced.top};
    ApplyKeepDialogOnTop(&ptPlaced);
}

// The dialog's topmost state follows its option; a place given moves it in the
// same call.
void ZLBR_DlgZelbrant::ApplyKeepDialogOnTop(const POINT *pptPlace)
{
    POINT pt = pptPlace ? *pptPlace : POINT{0, 0};
    SetWindowPos(m_hWnd, m_bKeepDialogOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, pt.x, pt.y, 0, 0,
                 (pptPlace ? 0 : SWP_NOMOVE) | SWP_NOSIZE | SWP_NOACTIVATE);
}

BOOL ZLBR_DlgZelbrant::OnCaptureChanged()
{
    // Outside a drag the capture was the system's own, such as its loop that
    // moves the dialog by its title bar: there is no drag state to leave.
    if (!m_bTracking || (HWND)m_pCurrentMsg->lParam == m_hWnd)
        return TRUE;
    EraseFrameIfShown();
    m_bTracking = false;
    ShowFinderIcon(true);
    ShowDragControls(false);
    FocusMenuButton();
    return TRUE;
}

// The frame option's check box shows the kept option only while the root
// parent is not searched; otherwise it is unchecked and disabled.
void ZLBR_DlgZelbrant::ShowFrameOption()
{
    HWND hWndFrameOption = GetDlgItem(m_hWnd, IDC_DRAW_INVERTED_FRAME);
    SetControlChecked(hWndFrameOption, IsFrameUsed());
    SetControlEnabled(hWndFrameOption, IsFrameOptionEnabled());
}

// A finder drag disables the Menu button, then the option check boxes; its end
// enables them again, the Menu button last.
void ZLBR_DlgZelbrant::ShowDragControls(bool bDragging)
{
    if (bDragging)
        SetControlEnabled(m_hWndMenu, false);
    SetControlEnabled(GetDlgItem(m_hWnd, IDC_KEEP_DIALOG_ON_TOP), !bDragging);
    SetControlEnabled(GetDlgItem(m_hWnd, IDC_AUTO_FIND_ROOT_PARENT), !bDragging);
    SetControlEnabled(GetDlgItem(m_hWnd, IDC_DRAW_INVERTED_FRAME), !bDragging && IsFrameOptionEnabled());
    if (!bDragging)
        SetControlEnabled(m_hWndMenu, true);
}

BOOL ZLBR_DlgZelbrant::OnDestroy()
{
    DestroyShownIcon(m_hWndFinderIcon, STM_GETIMAGE, IMAGE_ICON);
    DestroyShownIcon(m_hWndCopy, BM_GETIMAGE, IMAGE_ICON);
    DestroyShownIcon(m_hWndMenu, BM_GETIMAGE, IMAGE_ICON);
    DestroyShownIcon(m_hWnd, WM_GETICON, ICON_SMALL);
    return TRUE;
}

void ZLBR_DlgZelbrant::ShowFinderIcon(bool bIdle)
{
    DestroyShownIcon(m_hWndFinderIcon, STM_GETIMAGE, IMAGE_ICON);
    HICON hIcon = LoadIconImage(bIdle ? IDI_FINDER_FULL : IDI_FINDER_EMPTY, FINDER_ICON_SIZE, FINDER_ICON_SIZE);
    SendMessageA(m_hWndFinderIcon, STM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon);
}
