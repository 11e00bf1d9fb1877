// The main dialog's help and system commands: F1 and the context-help command
// open the product's web page, and the title bar's close command becomes the
// quit command, so that a running drag is ended before the dialog.
#include "dialog/DlgZelbrant.h"

#include "extras/WebAddress.h"
#include "res/resource.h"

BOOL ZLBR_DlgZelbrant::OnHelp()
{
    OpenWebAddress(m_strWebPage.c_str(), m_hWnd);
    return TRUE;
}

BOOL ZLBR_DlgZelbrant::OnSysCommand()
{
    // The four low bits of a system command are the system's own.
    switch (m_pCurrentMsg->wParam & 0xFFF0) {
    case SC_CONTEXTHELP:
        return OnHelp(); // the same page as F1
    case SC_CLOSE:
        SendMessageA(m_hWnd, WM_COMMAND, IDC_QUIT, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
