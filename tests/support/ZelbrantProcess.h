// The real Zelbrant.exe run as another process, operated and read from
// outside as a user would see it: its main dialog and the dialog's controls.
#pragma once

#include "support/Process.h"

class ZelbrantProcess {
public:
    ZelbrantProcess() : m_hWndDialog(NULL) {}

    // Starts the program from the test folder and waits for its main
    // dialog; false when it did not show in time.
    bool Start();
    HWND Control(int nId) const
    {
        return GetDlgItem(m_hWndDialog, nId);
    }
    std::string ControlText(int nId) const
    {
        return WindowText(Control(nId));
    }
    // Asks the dialog to close as its title bar's close button does, and
    // returns the exit code, or STILL_ACTIVE when the program did not end
    // within the time; it is then ended by force.
    DWORD Close(DWORD dwMilliseconds = 5000);

    HWND m_hWndDialog;
    ChildProcess m_process; // ends the program with the object
};
