// How the dialog procedure binds the window to the dialog object, gives each
// message its own record, and unbinds it at the end.
#include "app/Application.h"
#include "dialog/DlgZelbrant.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what reaches the object's message handler, and lets a test act
// from inside a handler.
class RecordingDialog : public ZLBR_DlgZelbrant {
public:
    RecordingDialog() : ZLBR_DlgZelbrant(NULL), m_nEndWith(0), m_pInnerMsg(NULL), m_pAfterInnerMsg(NULL) {}

    BOOL OnMessage() override
    {
        UINT message = m_pCurrentMsg->message;
        m_messages.push_back(message);
        if (message == WM_INITDIALOG && m_nEndWith)
            EndDialog(m_hWnd, m_nEndWith);
        if (message == WM_APP) {
            SendMessageA(m_hWnd, WM_APP + 1, 0, 0);
            m_pAfterInnerMsg = m_pCurrentMsg;
            m_afterInnerMessage = m_pCurrentMsg->message;
            m_outerRecord = *m_pCurrentMsg;
        }
        if (message == WM_APP + 1)
            m_pInnerMsg = m_pCurrentMsg;
        return ZLBR_DlgZelbrant::OnMessage();
    }

    std::vector<UINT> m_messages;
    INT_PTR m_nEndWith;
    MSG *m_pInnerMsg;
    MSG *m_pAfterInnerMsg;
    UINT m_afterInnerMessage = 0;
    MSG m_outerRecord = {};
};

HWND CreateMainDialog(ZLBR_DlgZelbrant *pDlg)
{
    return CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                              ZLBR_DlgZelbrant::DialogProc, (LPARAM)pDlg);
}

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

TEST(DialogProc, MessagesBeforeInitDialogAreNotDispatched)
{
    RecordingDialog dlg;
    HWND hwnd = CreateMainDialog(&dlg);
    ASSERT_TRUE(hwnd);

    // Creation sends WM_SETFONT and others before WM_INITDIALOG.
    ASSERT_FALSE(dlg.m_messages.empty());
    EXPECT_EQ(dlg.m_messages.front(), (UINT)WM_INITDIALOG);
    EXPECT_EQ(dlg.m_hWnd, hwnd);
    EXPECT_EQ((ZLBR_DlgZelbrant *)GetWindowLongPtrA(hwnd, GWLP_USERDATA), &dlg);
    EXPECT_TRUE(dlg.m_pCurrentMsg == NULL);
    DestroyWindow(hwnd);
}

TEST(DialogProc, AnUnboundWindowAnswersFalseToAnythingButInitDialog)
{
    HWND hwnd = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    RecordingDialog dlg;

    EXPECT_EQ(ZLBR_DlgZelbrant::DialogProc(hwnd, WM_SETFONT, 0, (LPARAM)&dlg), FALSE);
    EXPECT_EQ(ZLBR_DlgZelbrant::DialogProc(hwnd, WM_COMMAND, IDOK, 0), FALSE);
    EXPECT_TRUE(dlg.m_messages.empty());
    EXPECT_TRUE(dlg.m_hWnd == NULL);
    DestroyWindow(hwnd);
}

TEST(DialogProc, InitDialogWithoutObjectOrWithABoundObjectIsAnsweredTrueAndTouchesNothing)
{
    HWND hwnd = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    HWND hWndOther = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    RecordingDialog dlg;
    dlg.m_hWnd = hWndOther;

    EXPECT_EQ(ZLBR_DlgZelbrant::DialogProc(hwnd, WM_INITDIALOG, 0, 0), TRUE);
    EXPECT_EQ(ZLBR_DlgZelbrant::DialogProc(hwnd, WM_INITDIALOG, 0, (LPARAM)&dlg), TRUE);

    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_USERDATA), 0);
    EXPECT_EQ(dlg.m_hWnd, hWndOther);
    EXPECT_TRUE(dlg.m_messages.empty());
    DestroyWindow(hwnd);
    DestroyWindow(hWndOther);
}

TEST(DialogProc, ANestedSendHasItsOwnRecordAndTheOuterOneComesBack)
{
    RecordingDialog dlg;
    HWND hwnd = CreateMainDialog(&dlg);
    ASSERT_TRUE(hwnd);

    SendMessageA(hwnd, WM_APP, 12, 34);

    ASSERT_TRUE(dlg.m_pInnerMsg != NULL);
    EXPECT_NE(dlg.m_pInnerMsg, dlg.m_pAfterInnerMsg);
    EXPECT_EQ(dlg.m_afterInnerMessage, (UINT)WM_APP);
    EXPECT_EQ(dlg.m_outerRecord.hwnd, hwnd);
    EXPECT_EQ(dlg.m_outerRecord.wParam, 12u);
    EXPECT_EQ(dlg.m_outerRecord.lParam, 34);
    EXPECT_TRUE(dlg.m_pCurrentMsg == NULL);
    DestroyWindow(hwnd);
}

TEST(DialogProc, AfterNcDestroyTheWindowIsUnbound)
{
    RecordingDialog dlg;
    HWND hwnd = CreateMainDialog(&dlg);
    ASSERT_TRUE(hwnd);
    s_pfnDialogWndProc = (WNDPROC)SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)WatchNcDestroy);

    DestroyWindow(hwnd);

    EXPECT_EQ(s_userDataAfterNcDestroy, 0);
    EXPECT_TRUE(dlg.m_hWnd == NULL);
    ASSERT_GE(dlg.m_messages.size(), 2u);
    EXPECT_EQ(dlg.m_messages.back(), (UINT)WM_NCDESTROY);
}

TEST(DoModal, ANumberSignAndANumberNameTheTemplateById)
{
    RecordingDialog dlg;
    dlg.m_nEndWith = 1234;
    EXPECT_EQ(dlg.m_strTemplate, "#196");

    EXPECT_EQ(dlg.DoModal(), 1234);
    EXPECT_EQ(dlg.m_nResult, 1234);
    EXPECT_EQ(dlg.m_messages.front(), (UINT)WM_INITDIALOG);
}

TEST(DoModal, ANumberSignWithoutNumberFailsWithBadArguments)
{
    for (const char *pszTemplate : {"#", "#main", "NO_SUCH_TEMPLATE"}) {
        RecordingDialog dlg;
        dlg.m_strTemplate = pszTemplate;

        EXPECT_EQ(dlg.DoModal(), -1) << pszTemplate;
        EXPECT_EQ(GetLastError(), (DWORD)ERROR_BAD_ARGUMENTS) << pszTemplate;
        EXPECT_TRUE(dlg.m_messages.empty()) << pszTemplate;
    }
}

TEST(ZLBR_DlgZelbrant, ANewObjectHasTheFinderCursorAndAllOptionsOn)
{
    ZLBR_DlgZelbrant dlg(NULL);

    EXPECT_EQ(dlg.m_hInstance, theApplication.m_hInstance);
    EXPECT_TRUE(dlg.m_hFinderCursor != NULL);
    EXPECT_TRUE(dlg.m_bKeepDialogOnTop && dlg.m_bAutoFindRootParent && dlg.m_bDrawInvertedFrame);
    EXPECT_FALSE(dlg.m_bSelectedOnTop || dlg.m_bTracking);
    EXPECT_EQ(dlg.m_strWebPage.size(), 29u);
}
