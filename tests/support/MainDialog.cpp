// The real main dialog, created modeless in the test program.
#include "support/MainDialog.h"

#include "app/Application.h"
#include "res/resource.h"

void DeleteProgramSettings()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, theApplication.m_strRegistryKey.c_str());
}

void StoreProgramValue(const std::string &subKey, const char *pszName, DWORD dwValue)
{
    std::string key = theApplication.m_strRegistryKey + (subKey.empty() ? "" : "\\" + subKey);
    HKEY hKey = NULL;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL) == 0) {
        RegSetValueExA(hKey, pszName, 0, REG_DWORD, (const BYTE *)&dwValue, sizeof(dwValue));
        RegCloseKey(hKey);
    }
}

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
