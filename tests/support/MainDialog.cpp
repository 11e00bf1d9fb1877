// The real main dialog, created modeless for a test.
#include "support/MainDialog.h"

#include "app/Application.h"
#include "res/resource.h"

TestMainDialog::TestMainDialog() : m_dlg(NULL), m_hWnd(NULL)
{
    m_hWnd = CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                ZLBR_DlgZelbrant::DialogProc, (LPARAM)&m_dlg);
    // The same handles as the dialog's initialisation takes, so that a test
    // does not depend on everything else that initialisation does.
    m_dlg.m_hWndFinderIcon = GetDlgItem(m_hWnd, IDC_FINDER_ICON);
    m_dlg.m_hWndInfoTitle = GetDlgItem(m_hWnd, IDC_INFO_TITLE);
    m_dlg.m_hWndInfoClass = GetDlgItem(m_hWnd, IDC_INFO_CLASS);
    m_dlg.m_hWndInfoHandle = GetDlgItem(m_hWnd, IDC_INFO_HANDLE);
    m_dlg.m_hWndInfoId = GetDlgItem(m_hWnd, IDC_INFO_ID);
    m_dlg.m_hWndInfoStyle = GetDlgItem(m_hWnd, IDC_INFO_STYLE);
    m_dlg.m_hWndInfoExStyle = GetDlgItem(m_hWnd, IDC_INFO_EXSTYLE);
    m_dlg.m_hWndInfoParent = GetDlgItem(m_hWnd, IDC_INFO_PARENT);
    m_dlg.m_hWndInfoRect = GetDlgItem(m_hWnd, IDC_INFO_RECT);
    m_dlg.m_hWndKeepSelectedOnTop = GetDlgItem(m_hWnd, IDC_KEEP_SELECTED_ON_TOP);
    m_dlg.m_hWndCopy = GetDlgItem(m_hWnd, IDC_COPY_TO_CLIPBOARD);
    m_dlg.m_hWndMenu = GetDlgItem(m_hWnd, IDOK);
}

TestMainDialog::~TestMainDialog()
{
    if (IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}
