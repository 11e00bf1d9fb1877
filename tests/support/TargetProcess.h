// target_windows.exe run as another process, with its windows found, for
// tests that point the finder at another program's windows.
#pragma once

#include "support/Process.h"
#include "support/TargetLayout.h"

class TargetProcess {
public:
    TargetProcess();

    // Starts the program from the test folder and waits for its top-level
    // window and its popup; false when either did not show in time.
    bool Start();
    // The panel (IDC_TARGET_PANEL) or one of its controls (IDC_TARGET_...).
    HWND Control(int nId) const;

    HWND m_hWndMain;
    HWND m_hWndPopup;
    ChildProcess m_process; // ends the program with the object
};
