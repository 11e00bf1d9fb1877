// Starting Zelbrant.exe, reading its main dialog from outside, closing it.
#include "support/ZelbrantProcess.h"

#include "res/resource.h"

static const DWORD PROGRAM_START_MS = 15000;

ZelbrantProcess::ZelbrantProcess() : m_hWndDialog(NULL) {}

bool ZelbrantProcess::Start()
{
    if (!m_process.Start(ProgramPath()))
        return false;
    m_hWndDialog = m_process.WaitForWindow("#32770", "Zelbrant", PROGRAM_START_MS);
    return m_hWndDialog != NULL;
}

HWND ZelbrantProcess::Control(int nId) const
{
    return GetDlgItem(m_hWndDialog, nId);
}

std::string ZelbrantProcess::ControlText(int nId) const
{
    return WindowText(Control(nId));
}

bool ZelbrantProcess::IsControlEnabled(int nId) const
{
    return IsWindowEnabled(Control(nId)) != FALSE;
}

RECT ZelbrantProcess::FinderIconRect() const
{
    RECT rc = {};
    GetWindowRect(Control(IDC_FINDER_ICON), &rc);
    return rc;
}

DWORD ZelbrantProcess::Close(DWORD dwMilliseconds)
{
    PostMessageA(m_hWndDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD dwExitCode = m_process.WaitForExit(dwMilliseconds);
    if (dwExitCode == STILL_ACTIVE)
        m_process.Terminate();
    return dwExitCode;
}
