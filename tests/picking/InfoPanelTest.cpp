// The information panel of the real main dialog, filled from real windows:
// the value formats, the shown window, the refusals, rewriting only what
// changed, the focus, and windows that lie about their text.
#include "picking/InfoPanel.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/Process.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <list>
#include <vector>

class InfoPanel : public testing::Test {
protected:
    std::string Field(int nId) const
    {
        return WindowText(m_main.Item(nId));
    }

    MainDialog m_main;
    ZLBR_DlgZelbrant &m_dlg = m_main.m_dlg;
};

static bool HasHexLetter(ULONG_PTR nValue)
{
    for (; nValue; nValue >>= 4)
        if ((nValue & 15) > 9)
            return true;
    return false;
}

TEST_F(InfoPanel, ShowsTheEightValuesOfThePointedWindowOrItsRootAndNothingForTheProgramsOwnWindows)
{
    WindowHolder top(CreateTopLevel(WS_POPUP | WS_BORDER, 0, 100, 50, 300, 200, NULL, "Fenêtre d'essai"));
    HWND hWndPanel = CreateControl(top.m_hWnd, "Static", WS_VISIBLE, 5, 10, 200, 150);
    HWND hWndControl =
        CreateControl(hWndPanel, "Static", WS_VISIBLE | WS_DISABLED | SS_NOTIFY | SS_CENTERIMAGE | SS_REALSIZEIMAGE, 15,
                      20, 75, 23, 1001);
    WindowHolder topmost(CreateTopLevel(WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 100, 50, 300, 200));
    WindowHolder offscreen(CreateTopLevel(WS_POPUP, 0, -150, -40, 100, 30));
    HWND hWndNegative = CreateControl(offscreen.m_hWnd, "Button", WS_VISIBLE, -20, -5, 50, 10);
    SetWindowLongA(hWndNegative, GWL_ID, (LONG)0x80000005);
    WindowHolder owner(CreateTopLevel(WS_POPUP, 0, 200, 100, 400, 300, NULL, "Propriétaire"));
    HWND hWndMiddle = CreateTopLevel(WS_POPUP, 0, 250, 160, 100, 80, owner.m_hWnd);
    HWND hWndPopup = CreateTopLevel(WS_POPUP, 0, 260, 170, 50, 40, hWndMiddle, "Boîte");
    WindowHolder owned(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, m_main.m_hWnd));
    HWND hWndGone = CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200);
    DestroyWindow(hWndGone);
    // Handles are small numbers here: one with a hexadecimal letter shows its case.
    std::list<WindowHolder> windows;
    do
        windows.emplace_back(CreateTopLevel(WS_POPUP, 0, 10, 20, 30, 40));
    while (windows.size() < 64 && !HasHexLetter((ULONG_PTR)windows.back().m_hWnd));
    HWND hWndLettered = windows.back().m_hWnd, hWndTop = top.m_hWnd, hWndTopmost = topmost.m_hWnd;

    const char *TEST_CLASS = "ZelbrantTestWindow";
    struct Row {
        HWND hWnd;
        bool bAutoFind;
        HWND hWndShown, hWndRoot; // null when nothing may be shown
        const char *pszTitle, *pszClass, *pszId, *pszStyle, *pszExStyle;
        HWND hWndParent;
        const char *pszRect;
        bool bTopmostBoxEnabled, bTopmost;
    } rows[] = {
        {hWndTopmost, true, hWndTopmost, hWndTopmost, "", TEST_CLASS, "0", NULL, "0x00000088", NULL,
         "(100, 50), (400, 250)   300 × 200", true, true},
        {hWndControl, false, hWndControl, hWndTop, "", "Static", "1001", "0x58000B00", "0x00000000", hWndPanel,
         "(20, 30), (95, 53)   75 × 23", false, false},
        {hWndControl, true, hWndTop, hWndTop, "Fenêtre d'essai", TEST_CLASS, "0", NULL, NULL, NULL,
         "(100, 50), (400, 250)   300 × 200", true, false},
        {offscreen.m_hWnd, false, offscreen.m_hWnd, offscreen.m_hWnd, "", TEST_CLASS, "0", NULL, NULL, NULL,
         "(-150, -40), (-50, -10)   100 × 30", true, false},
        {hWndNegative, false, hWndNegative, offscreen.m_hWnd, "", "Button", "-2147483643", NULL, NULL, offscreen.m_hWnd,
         "(-20, -5), (30, 5)   50 × 10", false, false},
        {hWndPopup, true, owner.m_hWnd, owner.m_hWnd, "Propriétaire", TEST_CLASS, "0", NULL, NULL, NULL,
         "(200, 100), (600, 400)   400 × 300", true, false},
        {hWndPopup, false, hWndPopup, owner.m_hWnd, "Boîte", TEST_CLASS, "0", NULL, NULL, hWndMiddle,
         "(60, 70), (110, 110)   50 × 40", false, false},
        {hWndLettered, true, hWndLettered, hWndLettered, "", TEST_CLASS, "0", NULL, NULL, NULL,
         "(10, 20), (40, 60)   30 × 40", true, false},
    };
    std::vector<Row> table(std::begin(rows), std::end(rows));
    for (bool bAutoFind : {true, false})
        for (HWND hWnd : {(HWND)NULL, hWndGone, m_main.m_hWnd, m_dlg.m_hWndInfoTitle, owned.m_hWnd})
            table.push_back(Row{hWnd, bAutoFind, NULL, NULL, "", "", "", "", "", NULL, "", false, false});

    for (const Row &row : table) {
        SCOPED_TRACE(testing::Message() << (void *)row.hWnd << (row.bAutoFind ? " with" : " without") << " root");
        m_dlg.m_bAutoFindRootParent = true;
        m_dlg.UpdateWindowInfo(hWndTopmost); // every field has to change, and the check box
        m_dlg.m_bAutoFindRootParent = row.bAutoFind;

        m_dlg.UpdateWindowInfo(row.hWnd);

        bool bShown = row.hWndShown != NULL;
        EXPECT_EQ(Field(IDC_INFO_TITLE), row.pszTitle);
        EXPECT_EQ(Field(IDC_INFO_CLASS), row.pszClass);
        EXPECT_EQ(Field(IDC_INFO_ID), row.pszId);
        if (row.pszStyle) {
            EXPECT_EQ(Field(IDC_INFO_STYLE), row.pszStyle);
        }
        if (row.pszExStyle) {
            EXPECT_EQ(Field(IDC_INFO_EXSTYLE), row.pszExStyle);
        }
        EXPECT_EQ(Field(IDC_INFO_RECT), row.pszRect);
        if (bShown) {
            EXPECT_TRUE(ShowsHandle(Field(IDC_INFO_HANDLE), row.hWndShown)) << Field(IDC_INFO_HANDLE);
            EXPECT_TRUE(ShowsHandle(Field(IDC_INFO_PARENT), row.hWndParent)) << Field(IDC_INFO_PARENT);
        } else {
            for (int nId : {IDC_INFO_HANDLE, IDC_INFO_STYLE, IDC_INFO_EXSTYLE, IDC_INFO_PARENT})
                EXPECT_EQ(Field(nId), "") << nId;
        }
        for (int nId = IDC_LABEL_TITLE; nId <= IDC_LABEL_RECT; nId++)
            EXPECT_EQ(m_main.IsEnabled(nId), bShown) << nId;
        EXPECT_EQ(m_main.IsEnabled(IDC_COPY_TO_CLIPBOARD), bShown);
        EXPECT_EQ(m_main.IsEnabled(IDC_KEEP_SELECTED_ON_TOP), row.bTopmostBoxEnabled);
        EXPECT_EQ(m_main.IsChecked(IDC_KEEP_SELECTED_ON_TOP), row.bTopmost);
        EXPECT_EQ(m_dlg.m_bSelectedOnTop, row.bTopmost);
        EXPECT_EQ(m_dlg.m_hWndPointed, bShown ? row.hWnd : NULL);
        EXPECT_EQ(m_dlg.m_hWndRoot, row.hWndRoot);
    }
}

static int s_nSetTextCount;
static WNDPROC s_pfnEditProc;

static LRESULT CALLBACK CountingEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    s_nSetTextCount += message == WM_SETTEXT;
    return CallWindowProcA(s_pfnEditProc, hwnd, message, wParam, lParam);
}

TEST_F(InfoPanel, ASecondUpdateWithTheSameWindowSendsNoSetTextAndAMoveRewritesOnlyTheRectangle)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, NULL, "Titre"));
    for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++)
        s_pfnEditProc = (WNDPROC)SetWindowLongPtrA(m_main.Item(nId), GWLP_WNDPROC, (LONG_PTR)CountingEditProc);
    m_dlg.UpdateWindowInfo(wnd.m_hWnd);

    s_nSetTextCount = 0;
    m_dlg.UpdateWindowInfo(wnd.m_hWnd);
    EXPECT_EQ(s_nSetTextCount, 0) << "the same window a second time";

    SetWindowPos(wnd.m_hWnd, NULL, 120, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_dlg.UpdateWindowInfo(wnd.m_hWnd);
    EXPECT_EQ(s_nSetTextCount, 1) << "the same window moved";
    EXPECT_EQ(Field(IDC_INFO_RECT), "(120, 50), (420, 250)   300 × 200");
}

TEST_F(InfoPanel, TheFocusLeavesAFieldTheTopmostCheckBoxOrCopyForMenuWhenThePanelEmptiesAndOnlyThen)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200));
    for (int nId : {IDC_KEEP_DIALOG_ON_TOP, IDC_INFO_HANDLE, IDC_KEEP_SELECTED_ON_TOP, IDC_COPY_TO_CLIPBOARD}) {
        m_dlg.UpdateWindowInfo(wnd.m_hWnd);
        SetFocus(m_main.Item(nId));
        m_dlg.UpdateWindowInfo(wnd.m_hWnd);
        EXPECT_EQ(GetFocus(), m_main.Item(nId)) << nId << " while a window is still shown";

        m_dlg.UpdateWindowInfo(NULL);
        EXPECT_EQ(GetFocus(), m_main.Item(nId == IDC_KEEP_DIALOG_ON_TOP ? nId : IDOK)) << nId;
    }
}

// How a lying window answers: the length it announces, what it writes into
// the WM_GETTEXT buffer (as much of pszWritten as fits, with or without a
// terminator) and the count it returns.
struct TextAnswer {
    LRESULT nAnnounced;
    const char *pszWritten;
    bool bTerminated;
    LRESULT nReturned;
    WPARAM cchOffered; // the buffer size WM_GETTEXT offered, seen by the window
};

static LRESULT CALLBACK LyingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    TextAnswer *pAnswer = (TextAnswer *)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    if (message == WM_GETTEXTLENGTH)
        return pAnswer->nAnnounced;
    if (message != WM_GETTEXT)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    pAnswer->cchOffered = wParam;
    if (pAnswer->bTerminated)
        lstrcpynA((char *)lParam, pAnswer->pszWritten, (int)wParam);
    else
        memcpy((char *)lParam, pAnswer->pszWritten, std::min(strlen(pAnswer->pszWritten), (size_t)wParam));
    return pAnswer->nReturned;
}

TEST_F(InfoPanel, AWindowThatLiesAboutItsTextIsReadOnlyWithinTheBufferItAnnouncedAndShownCut)
{
    const char *ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const WPARAM CAP = s_cchMaxWindowText + 1;
    struct Case {
        TextAnswer answer;
        const char *pszText;
        WPARAM cchOffered;
    } cases[] = {
        {{3, ALPHABET, false, 1000, 0}, "ABC", 4}, // a count larger than the buffer
        {{10, "AB", true, 8, 0}, "AB", 11},        // a count larger than the text
        {{3, ALPHABET, false, -1, 0}, "ABC", 4},   // -1: up to the terminator, or the buffer's end
        {{10, "AB", true, -1, 0}, "AB", 11},
        {{3, "ABC", true, -5, 0}, "", 4},              // another negative count
        {{4, "ABCD", true, 2, 0}, "AB", 5},            // a smaller count is trusted
        {{-7, "ABC", true, 3, 0}, "", 0},              // a negative length: nothing is asked
        {{0x7FFFFFFF, "abc", true, 3, 0}, "abc", CAP}, // an absurd length is capped
        {{0x7FFFFFFF, ALPHABET, false, 0x7FFFFFFF, 0}, ALPHABET, CAP},
    };
    for (Case &c : cases) {
        WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200));
        SetWindowLongPtrA(wnd.m_hWnd, GWLP_USERDATA, (LONG_PTR)&c.answer);
        SetWindowLongPtrA(wnd.m_hWnd, GWLP_WNDPROC, (LONG_PTR)LyingWindowProc);

        EXPECT_EQ(QueryWindowText(wnd.m_hWnd), c.pszText)
            << c.answer.nAnnounced << " announced, " << c.answer.nReturned;
        EXPECT_EQ(c.answer.cchOffered, c.cchOffered) << c.answer.nAnnounced << " announced";
        m_dlg.UpdateWindowInfo(wnd.m_hWnd);
        EXPECT_EQ(Field(IDC_INFO_TITLE), c.pszText);
        EXPECT_EQ(Field(IDC_INFO_RECT), "(100, 50), (400, 250)   300 × 200");
    }
}
