// Entry point: start up, run the main dialog, clean up, and return the
// start-up status as the exit code.
#include "app/Application.h"
#include "dialog/DlgZelbrant.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR pszCmdLine, int nCmdShow)
{
    if (theApplication.InitInstance(hInstance, pszCmdLine, nCmdShow) && RunMainDialog() == -1) {
        theApplication.m_nExitCode = STARTUP_DIALOG_FAILED;
        MessageBeep(MB_ICONHAND);
    }
    theApplication.ExitInstance();
    return theApplication.m_nExitCode;
}
