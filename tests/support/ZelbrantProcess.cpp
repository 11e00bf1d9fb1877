// Starting Zelbrant.exe and closing it.
#include "support/ZelbrantProcess.h"

bool ZelbrantProcess::Start()
{
    if (m_process.Start(ProgramPath()))
        m_hWndDialog = m_process.WaitForWindow("#32770", "Zelbrant", 15000);
    return m_hWndDialog != NULL;
}

DWORD ZelbrantProcess::Close(DWORD dwMilliseconds)
{
    PostMessageA(m_hWndDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD dwExitCode = m_process.WaitForExit(dwMilliseconds);
    m_process.Terminate();
    return dwExitCode;
}
