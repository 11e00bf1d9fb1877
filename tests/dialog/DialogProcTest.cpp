// How the dialog procedure binds the window to the dialog object, gives each
// message its own record, and unbinds it at the end; the modal run.
#include "app/Application.h"
#include "dialog/DlgZelbrant.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what reaches the object's message handler, and sends WM_APP + 1
// from inside the handling of WM_APP.
class RecordingDialog : public ZLBR_DlgZelbrant {
public:
    RecordingDialog() : ZLBR_DlgZelbrant(NULL) {}

    BOOL OnMessage() override
    {
        UINT message = m_pCurrentMsg->message;
        m_messages.push_back(message);
        if (message == WM_INITDIALOG && m_nEndWith)
            EndDialog(m_hWnd, m_nEndWith);
        if (message == WM_APP + 1)
            m_pInnerMsg = m_pCurrentMsg;
        if (message == WM_APP) {
            SendMessageA(m_hWnd, WM_APP + 1, 0, 0);
            m_outerRecord = *m_pCurrentMsg;
            m_bInnerRecordOwn = m_pInnerMsg != m_pCurrentMsg;
        }
        return ZLBR_DlgZelbrant::OnMessage();
    }

    std::vector<UINT> m_messages;
    INT_PTR m_nEndWith = 0;
    MSG *m_pInnerMsg = NULL;
    MSG m_outerRecord = {};
    bool m_bInnerRecordOwn = false;
};

// Reads the dialog's user-data slot right after its own procedure has
// handled WM_NCDESTROY, while the window still exists.
WNDPROC s_pfnDialogWndProc;
LONG_PTR s_userDataAfterNcDestroy = -1;

LRESULT CALLBACK WatchNcDestroy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(s_pfnDialogWndProc, hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        s_userDataAfterNcDestroy = GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    return result;
}

} // namespace

TEST(DialogProc, BindsAtInitDialogGivesANestedSendItsOwnRecordAndUnbindsAfterNcDestroy)
{
    RecordingDialog dlg;
    HWND hwnd = CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                   ZLBR_DlgZelbrant::DialogProc, (LPARAM)&dlg);
    ASSERT_TRUE(hwnd);
    // Creation sends WM_SETFONT and others before WM_INITDIALOG.
    EXPECT_EQ(dlg.m_messages.front(), (UINT)WM_INITDIALOG);
    EXPECT_EQ(dlg.m_hWnd, hwnd);
    EXPECT_EQ((ZLBR_DlgZelbrant *)GetWindowLongPtrA(hwnd, GWLP_USERDATA), &dlg);

    SendMessageA(hwnd, WM_APP, 12, 34);
    EXPECT_TRUE(dlg.m_pInnerMsg && dlg.m_bInnerRecordOwn);
    EXPECT_TRUE(dlg.m_outerRecord.message == WM_APP && dlg.m_outerRecord.hwnd == hwnd);
    EXPECT_TRUE(dlg.m_outerRecord.wParam == 12 && dlg.m_outerRecord.lParam == 34);
    EXPECT_TRUE(dlg.m_pCurrentMsg == NULL);

    s_pfnDialogWndProc = (WNDPROC)SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)WatchNcDestroy);
    DestroyWindow(hwnd);
    EXPECT_EQ(s_userDataAfterNcDestroy, 0);
    EXPECT_TRUE(dlg.m_hWnd == NULL);
    EXPECT_EQ(dlg.m_messages.back(), (UINT)WM_NCDESTROY);
}

TEST(DialogProc, AnUnboundWindowAnswersFalseAndAnInitDialogWithoutOrWithABoundObjectTrueAndTouchesNothing)
{
    HWND hwnd = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    RecordingDialog dlg, bound;
    bound.m_hWnd = GetDesktopWindow();

    EXPECT_EQ(ZLBR_DlgZelbrant::DialogProc(hwnd, WM_SETFONT, 0, (LPARAM)&dlg), FALSE);
    EXPECT_EQ(ZLBR_DlgZelbrant::DialogProc(hwnd, WM_COMMAND, IDOK, 0), FALSE);
    EXPECT_EQ(ZLBR_DlgZelbrant::DialogProc(hwnd, WM_INITDIALOG, 0, 0), TRUE);
    EXPECT_EQ(ZLBR_DlgZelbrant::DialogProc(hwnd, WM_INITDIALOG, 0, (LPARAM)&bound), TRUE);
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_USERDATA), 0);
    EXPECT_TRUE(dlg.m_messages.empty() && bound.m_messages.empty() && !dlg.m_hWnd);
    EXPECT_EQ(bound.m_hWnd, GetDesktopWindow());
    DestroyWindow(hwnd);
}

TEST(DoModal, ANumberSignAndANumberNameTheTemplateByIdAndAnythingElseFailsWithBadArguments)
{
    RecordingDialog dlg;
    dlg.m_nEndWith = 1234;
    EXPECT_EQ(dlg.m_strTemplate, "#196");
    EXPECT_EQ(dlg.DoModal(), 1234);
    EXPECT_EQ(dlg.m_nResult, 1234);

    for (const char *pszTemplate : {"#", "#main", "NO_SUCH_TEMPLATE"}) {
        RecordingDialog failing;
        failing.m_strTemplate = pszTemplate;
        EXPECT_EQ(failing.DoModal(), -1) << pszTemplate;
        EXPECT_EQ(GetLastError(), (DWORD)ERROR_BAD_ARGUMENTS) << pszTemplate;
        EXPECT_TRUE(failing.m_messages.empty()) << pszTemplate;
    }
    ZLBR_DlgZelbrant fresh(NULL);
    EXPECT_EQ(fresh.m_hInstance, theApplication.m_hInstance);
    EXPECT_TRUE(fresh.m_hFinderCursor && fresh.m_bKeepDialogOnTop && fresh.m_bAutoFindRootParent);
    EXPECT_TRUE(fresh.m_bDrawInvertedFrame && !fresh.m_bSelectedOnTop && !fresh.m_bTracking);
    EXPECT_EQ(fresh.m_strWebPage.size(), 29u);
}
