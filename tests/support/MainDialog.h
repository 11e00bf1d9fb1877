// The real main dialog, created modeless in the test program from the real
// template and dialog procedure.
#pragma once

#include "dialog/DlgZelbrant.h"

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
