// The real Zelbrant.exe run as another process, operated and read from
// outside as a user would see it: its main dialog and the dialog's controls.
#pragma once

#include "support/Process.h"

#include <string>

class ZelbrantProcess {
public:
    ZelbrantProcess();

    // Starts the program from the test folder and waits for its main
    // dialog; false when it did not show in time.
    bool Start();
    HWND Control(int nId) const;
    std::string ControlText(int nId) const;
    bool IsControlEnabled(int nId) const;
    // The finder icon (control 101) on the screen.
    RECT FinderIconRect() const;
    // Asks the dialog to close as its title bar's close button does, and
    // returns the exit code, or STILL_ACTIVE when the program did not end
    // within the time; it is then ended by force.
    DWORD Close(DWORD dwMilliseconds = 5000);

    HWND m_hWndDialog;
    ChildProcess m_process; // ends the program with the object
};
