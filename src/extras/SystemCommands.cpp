// The main dialog's system commands: the title bar's close command becomes
// the quit command, so that a running drag is ended before the dialog.
#include "dialog/DlgZelbrant.h"

#include "res/resource.h"

BOOL ZLBR_DlgZelbrant::OnSysCommand()
{
    // The four low bits of a system command are the system's own.
    switch (m_pCurrentMsg->wParam & 0xFFF0) {
    case SC_CLOSE:
        SendMessageA(m_hWnd, WM_COMMAND, IDC_QUIT, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
