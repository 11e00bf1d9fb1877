// The real main dialog, created modeless in the test program.
#include "support/MainDialog.h"

#include "app/Application.h"
#include "res/resource.h"

MainDialog::MainDialog()
    : m_dlg(NULL), m_hWnd(CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                             ZLBR_DlgZelbrant::DialogProc, (LPARAM)&m_dlg))
{
}

MainDialog::~MainDialog()
{
    if (IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}

HWND MainDialog::Item(int nId) const
{
    return GetDlgItem(m_hWnd, nId);
}

bool MainDialog::IsChecked(int nId) const
{
    return IsDlgButtonChecked(m_hWnd, nId) == BST_CHECKED;
}

bool MainDialog::IsEnabled(int nId) const
{
    return IsWindowEnabled(Item(nId)) != FALSE;
}
