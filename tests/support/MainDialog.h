// The real main dialog, created modeless in the test program from the real
// template and dialog procedure, and the program's registry key.
#pragma once

#include "dialog/DlgZelbrant.h"

#include <string>

// Removes the program's settings, so that the next dialog starts as on a
// first run.
void DeleteProgramSettings();
// Stores one value under the program's key (or a subkey of it, "" for none).
void StoreProgramValue(const std::string &subKey, const char *pszName, DWORD dwValue);

class MainDialog {
public:
    MainDialog();  // creates the dialog; m_hWnd is null when that failed
    ~MainDialog(); // destroys it if it still exists

    HWND Item(int nId) const;
    bool IsChecked(int nId) const;
    bool IsEnabled(int nId) const;

    ZLBR_DlgZelbrant m_dlg;
    HWND m_hWnd;
};
