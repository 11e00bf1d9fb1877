// Starting target_windows.exe and finding its windows.
#include "support/TargetProcess.h"

static const DWORD TARGET_START_MS = 15000;

TargetProcess::TargetProcess() : m_hWndMain(NULL), m_hWndPopup(NULL) {}

bool TargetProcess::Start()
{
    if (!m_process.Start(BinDirectory() + L"target_windows.exe"))
        return false;
    m_hWndMain = m_process.WaitForWindow(TARGET_MAIN_CLASS, TARGET_MAIN_CAPTION, TARGET_START_MS);
    m_hWndPopup = m_process.WaitForWindow(TARGET_POPUP_CLASS, TARGET_POPUP_CAPTION, TARGET_START_MS);
    return m_hWndMain && m_hWndPopup;
}

HWND TargetProcess::Control(int nId) const
{
    HWND hWndPanel = GetDlgItem(m_hWndMain, IDC_TARGET_PANEL);
    return nId == IDC_TARGET_PANEL ? hWndPanel : GetDlgItem(hWndPanel, nId);
}
