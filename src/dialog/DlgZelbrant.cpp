// Construction of the main dialog object, its modal run, and the dispatch of
// every message to the handler that the message table names.
#include "dialog/DlgZelbrant.h"

#include "app/Application.h"
#include "res/resource.h"
#include "settings/RegistryStore.h"

#include <stdio.h>

static const char s_szProductWebPage[] = "https://zelbrant.example.org/";

ZLBR_DlgZelbrant::ZLBR_DlgZelbrant(HINSTANCE hInstance)
    : m_hWndOwner(NULL), m_hInstance(hInstance ? hInstance : theApplication.m_hInstance),
      m_strWebPage(s_szProductWebPage), m_hWnd(NULL), m_nResult(0), m_pCurrentMsg(NULL), m_hWndPointed(NULL),
      m_hWndRoot(NULL), m_hWndFramed(NULL),
      m_hFinderCursor(LoadCursorA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDC_FINDER_CURSOR))),
      m_bKeepDialogOnTop(OPTION_DEFAULT), m_bAutoFindRootParent(OPTION_DEFAULT), m_bDrawInvertedFrame(OPTION_DEFAULT),
      m_bSelectedOnTop(false), m_bTracking(false), m_hWndFinderIcon(NULL), m_hWndInfoTitle(NULL), m_hWndInfoClass(NULL),
      m_hWndInfoHandle(NULL), m_hWndInfoId(NULL), m_hWndInfoStyle(NULL), m_hWndInfoExStyle(NULL),
      m_hWndInfoParent(NULL), m_hWndInfoRect(NULL), m_hWndKeepSelectedOnTop(NULL), m_hWndCopy(NULL), m_hWndMenu(NULL),
      m_ahWndLabels(), m_rcFinderIcon()
{
    char szTemplate[16];
    wsprintfA(szTemplate, "#%lu", (unsigned long)IDD_MAIN);
    m_strTemplate = szTemplate;
}

ZLBR_DlgZelbrant::~ZLBR_DlgZelbrant() {}

INT_PTR ZLBR_DlgZelbrant::DoModal()
{
    // "#196" names a numeric resource id; "#" with no number names nothing.
    LPCSTR pszTemplate = m_strTemplate.c_str();
    if (m_strTemplate[0] == '#') {
        unsigned int nId = 0;
        pszTemplate = sscanf(m_strTemplate.c_str() + 1, "%u", &nId) == 1 ? MAKEINTRESOURCEA(LOWORD(nId)) : NULL;
    }
    m_nResult = DialogBoxParamA(m_hInstance, pszTemplate, m_hWndOwner, DialogProc, (LPARAM)this);
    if ((m_nResult == -1 || m_nResult == 0) && GetLastError() != 0)
        SetLastError(ERROR_BAD_ARGUMENTS);
    return m_nResult;
}

INT_PTR CALLBACK ZLBR_DlgZelbrant::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ZLBR_DlgZelbrant *pDlg = (ZLBR_DlgZelbrant *)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    if (!pDlg) {
        if (message != WM_INITDIALOG)
            return FALSE;
        pDlg = (ZLBR_DlgZelbrant *)lParam;
        if (!pDlg || pDlg->m_hWnd || !hwnd || !IsWindow(hwnd))
            return TRUE;
        pDlg->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR)pDlg);
    }

    // Each dispatch has its own record, so a message sent from inside a
    // handler does not overwrite the one its sender is still reading.
    DWORD dwPos = GetMessagePos();
    MSG *pSavedMsg = pDlg->m_pCurrentMsg;
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = (DWORD)GetMessageTime();
    msg.pt.x = (short)LOWORD(dwPos);
    msg.pt.y = (short)HIWORD(dwPos);
    pDlg->m_pCurrentMsg = &msg;

    BOOL bResult = pDlg->OnMessage();

    pDlg->m_pCurrentMsg = pSavedMsg;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(pDlg->m_hWnd, GWLP_USERDATA, 0);
        pDlg->m_hWnd = NULL;
    }
    return bResult;
}

BOOL ZLBR_DlgZelbrant::OnMessage()
{
    switch (m_pCurrentMsg->message) {
    case WM_DESTROY:
        return OnDestroy();
    case WM_NCDESTROY:
        return TRUE; // DialogProc unbinds the window afterwards
    case WM_INITDIALOG:
        return OnInitDialog(); // FALSE: the handler has set the focus itself
    case WM_COMMAND:
        return OnCommand();
    case WM_HELP:
        return OnHelp();
    case WM_SYSCOMMAND:
        return OnSysCommand();
    case WM_MOUSEMOVE:
        return OnFinderMouseMove();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a double-click starts a drag as a press does
        return OnFinderButtonDown();
    case WM_LBUTTONUP:
        return OnFinderButtonUp();
    case WM_CAPTURECHANGED:
        return OnCaptureChanged();
    default:
        return FALSE;
    }
}

void ZLBR_DlgZelbrant::SetControlEnabled(HWND hWndControl, bool bEnable)
{
    if ((IsWindowEnabled(hWndControl) != FALSE) != bEnable)
        EnableWindow(hWndControl, bEnable);
}

void ZLBR_DlgZelbrant::SetControlChecked(HWND hWndControl, bool bCheck)
{
    if ((SendMessageA(hWndControl, BM_GETCHECK, 0, 0) == BST_CHECKED) != bCheck)
        SendMessageA(hWndControl, BM_SETCHECK, bCheck ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ZLBR_DlgZelbrant::FocusMenuButton()
{
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(m_hWnd, IDOK), TRUE);
}

int RunMainDialog()
{
    ZLBR_DlgZelbrant dlg(theApplication.m_hInstance);
    dlg.DoModal();
    if ((dlg.m_nResult == -1 || dlg.m_nResult == 0) && GetLastError() == ERROR_BAD_ARGUMENTS)
        dlg.m_nResult = -1;
    return (int)dlg.m_nResult;
}
