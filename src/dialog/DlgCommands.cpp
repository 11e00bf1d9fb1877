// The main dialog's commands: the Menu button and the Enter key, Escape,
// the three option check boxes, the check box that keeps the selected window
// on top, the Copy button, and the quit command, the only one that ends the
// dialog. Each change is confirmed by a sound.
#include "dialog/DlgZelbrant.h"

#include "app/Resources.h"
#include "app/WindowStyle.h"
#include "res/resource.h"
#include "settings/ClipboardExport.h"

BOOL ZLBR_DlgZelbrant::OnCommand()
{
    UINT nId = LOWORD(m_pCurrentMsg->wParam);
    bool bClicked = HIWORD(m_pCurrentMsg->wParam) == BN_CLICKED;
    switch (nId) {
    case IDOK:
        OnMenuCommand();
        return TRUE;
    case IDCANCEL:
        // Escape never closes the dialog: it only abandons a drag.
        if (m_bTracking)
            AbandonFinderDrag();
        return TRUE;
    case IDC_KEEP_DIALOG_ON_TOP:
    case IDC_AUTO_FIND_ROOT_PARENT:
    case IDC_DRAW_INVERTED_FRAME:
        if (bClicked)
            OnOptionClicked(nId);
        return TRUE;
    case IDC_KEEP_SELECTED_ON_TOP:
        if (bClicked)
            OnKeepSelectedOnTopClicked();
        return TRUE;
    case IDC_COPY_TO_CLIPBOARD:
        if (bClicked)
            PlayFeedbackSound(CopyInfoToClipboard(*this) ? IDW_COPIED : IDW_FAILURE);
        return TRUE;
    case IDC_QUIT:
        if (m_bTracking)
            AbandonFinderDrag();
        EndDialog(m_hWnd, 1);
        return TRUE;
    default:
        return FALSE;
    }
}

// Enter on another control only brings the focus to Menu; Enter again, or a
// click, is meant for the button itself.
void ZLBR_DlgZelbrant::OnMenuCommand()
{
    if (m_bTracking)
        MessageBeep(0xFFFFFFFF);
    else if (GetFocus() != GetDlgItem(m_hWnd, IDOK))
        FocusMenuButton();
    else
        ShowMainMenu();
}

// Ends a drag without picking anything: the panel is left empty.
void ZLBR_DlgZelbrant::AbandonFinderDrag()
{
    CancelFinderTracking();
    ShowFinderIcon(true);
    UpdateWindowInfo(NULL);
}

void ZLBR_DlgZelbrant::OnOptionClicked(UINT nId)
{
    bool bOn = IsDlgButtonChecked(m_hWnd, nId) == BST_CHECKED;
    switch (nId) {
    case IDC_KEEP_DIALOG_ON_TOP:
        m_bKeepDialogOnTop = bOn;
        break;
    case IDC_AUTO_FIND_ROOT_PARENT:
        m_bAutoFindRootParent = bOn;
        break;
    default:
        m_bDrawInvertedFrame = bOn;
        break;
    }
    PlayFeedbackSound(bOn ? IDW_OPTION_ON : IDW_OPTION_OFF);

    if (nId == IDC_KEEP_DIALOG_ON_TOP) {
        ApplyKeepDialogOnTop(NULL);
    } else if (nId == IDC_AUTO_FIND_ROOT_PARENT) {
        // The panel switches at once between the window picked last and
        // its root.
        ShowFrameOption();
        UpdateWindowInfo(m_hWndPointed);
    }
    // The frame option takes effect at the next drag: it cannot change
    // during one, since the check boxes are disabled then.
}

void ZLBR_DlgZelbrant::OnKeepSelectedOnTopClicked()
{
    if (SetSelectedOnTop()) {
        UpdateWindowInfo(m_hWndPointed); // re-reads and re-checks the state
        PlayFeedbackSound(m_bSelectedOnTop ? IDW_OPTION_ON : IDW_OPTION_OFF);
    } else {
        // The selection is forgotten, so the topmost check box becomes
        // unchecked and disabled.
        UpdateWindowInfo(NULL);
        PlayFeedbackSound(IDW_FAILURE);
    }
}

// Makes the root of the window picked last topmost or not, as the topmost
// check box now says, and reads the result back from the window.
bool ZLBR_DlgZelbrant::SetSelectedOnTop()
{
    HWND hWndTarget = m_hWndRoot;
    if (!hWndTarget || !IsWindow(hWndTarget))
        return false;
    if (FindParentChainEnd(hWndTarget, NULL) != hWndTarget)
        return false; // it has been given a parent or an owner since

    LONG lStyle = 0;
    if (!ReadWindowLong(hWndTarget, GWL_STYLE, &lStyle))
        return false;
    if (IsChildStyle(lStyle))
        return false; // a child window that is not a pop-up cannot be topmost

    m_bSelectedOnTop = IsDlgButtonChecked(m_hWnd, IDC_KEEP_SELECTED_ON_TOP) == BST_CHECKED;
    if (!SetWindowPos(hWndTarget, m_bSelectedOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE))
        return false;

    LONG lExStyle = 0;
    if (!ReadWindowLong(hWndTarget, GWL_EXSTYLE, &lExStyle))
        return false;
    return ((lExStyle & WS_EX_TOPMOST) != 0) == m_bSelectedOnTop;
}
