// The information panel of the real main dialog, filled from real windows:
// the value formats, the choice of the shown window, the refusal of the
// program's own windows, rewriting only what changed, and the focus.
#include "picking/InfoPanel.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/Process.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdio.h>
#include <vector>

class InfoPanel : public testing::Test {
protected:
    std::string Field(int nId) const
    {
        return WindowText(m_main.Item(nId));
    }

    // "0x" and exactly 8 upper-case hexadecimal digits.
    static std::string HandleText(HWND hWnd)
    {
        char sz[16];
        snprintf(sz, sizeof sz, "0x%08lX", (unsigned long)(ULONG_PTR)hWnd);
        return sz;
    }

    MainDialog m_main;
    ZLBR_DlgZelbrant &m_dlg = m_main.m_dlg;
};

TEST_F(InfoPanel, AControlIsShownRelativeToTheTopLevelClientAreaOrAsItsRootAndOnlyATopmostWindowChecks209)
{
    WindowHolder top(CreateTopLevel(WS_POPUP | WS_BORDER, 0, 100, 50, 300, 200, NULL, "Fenêtre d'essai"));
    HWND hWndPanel = CreateControl(top, "Static", WS_VISIBLE, 5, 10, 200, 150);
    HWND hWndControl = CreateControl(hWndPanel, "Static", WS_VISIBLE | WS_DISABLED | SS_NOTIFY, 15, 20, 75, 23, 1001);
    // Shown first, so that 209 has to be unchecked for the control.
    WindowHolder topmost(CreateTopLevel(WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 100, 50, 300, 200));
    m_dlg.UpdateWindowInfo(topmost);
    EXPECT_TRUE(m_main.IsChecked(IDC_KEEP_SELECTED_ON_TOP) && m_dlg.m_bSelectedOnTop);
    EXPECT_EQ(Field(IDC_INFO_EXSTYLE), "0x00000088");

    m_dlg.m_bAutoFindRootParent = false;
    m_dlg.UpdateWindowInfo(hWndControl);
    EXPECT_EQ(Field(IDC_INFO_HANDLE), HandleText(hWndControl));
    EXPECT_EQ(Field(IDC_INFO_ID), "1001");
    EXPECT_EQ(Field(IDC_INFO_STYLE), "0x58000100");
    EXPECT_EQ(Field(IDC_INFO_PARENT), HandleText(hWndPanel));
    EXPECT_EQ(Field(IDC_INFO_RECT), "(20, 30), (95, 53)   75 \xD7 23");
    EXPECT_FALSE(m_main.IsEnabled(IDC_KEEP_SELECTED_ON_TOP) || m_main.IsChecked(IDC_KEEP_SELECTED_ON_TOP) ||
                 m_dlg.m_bSelectedOnTop);
    EXPECT_TRUE(m_main.IsEnabled(IDC_COPY_TO_CLIPBOARD));
    EXPECT_TRUE(m_dlg.m_hWndPointed == hWndControl && m_dlg.m_hWndRoot == top.m_hWnd);

    m_dlg.m_bAutoFindRootParent = true;
    m_dlg.UpdateWindowInfo(hWndControl);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "Fen\xEAtre d'essai");
    EXPECT_EQ(Field(IDC_INFO_CLASS), TestWindowClass());
    EXPECT_EQ(Field(IDC_INFO_HANDLE), HandleText(top));
    EXPECT_EQ(Field(IDC_INFO_ID), "0");
    EXPECT_EQ(Field(IDC_INFO_PARENT), "0x00000000");
    EXPECT_EQ(Field(IDC_INFO_RECT), "(100, 50), (400, 250)   300 \xD7 200");
    for (int nId = IDC_LABEL_TITLE; nId <= IDC_LABEL_RECT; nId++)
        EXPECT_TRUE(m_main.IsEnabled(nId)) << nId;
    EXPECT_TRUE(m_main.IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_TRUE(m_dlg.m_hWndPointed == hWndControl && m_dlg.m_hWndRoot == top.m_hWnd);
}

TEST_F(InfoPanel, HandlesShowUpperCaseHexadecimalDigits)
{
    // Handles are small numbers here: make windows until one has a letter.
    std::vector<std::unique_ptr<WindowHolder>> windows;
    do
        windows.emplace_back(new WindowHolder(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200)));
    while (windows.size() < 64 && HandleText(*windows.back()).find_first_of("ABCDEF", 2) == std::string::npos);
    HWND hWnd = *windows.back();
    ASSERT_NE(HandleText(hWnd).find_first_of("ABCDEF", 2), std::string::npos);

    m_dlg.UpdateWindowInfo(hWnd);

    EXPECT_EQ(Field(IDC_INFO_HANDLE), HandleText(hWnd));
}

TEST_F(InfoPanel, CoordinatesLeftOfAndAboveTheScreenAndIdentifiersWithTheTopBitShowNegative)
{
    m_dlg.m_bAutoFindRootParent = false;
    WindowHolder top(CreateTopLevel(WS_POPUP, 0, -150, -40, 100, 30));
    HWND hWndControl = CreateControl(top, "Button", WS_VISIBLE, -20, -5, 50, 10);
    SetWindowLongA(hWndControl, GWL_ID, (LONG)0x80000005);

    m_dlg.UpdateWindowInfo(top);
    EXPECT_EQ(Field(IDC_INFO_RECT), "(-150, -40), (-50, -10)   100 \xD7 30");

    m_dlg.UpdateWindowInfo(hWndControl);
    EXPECT_EQ(Field(IDC_INFO_RECT), "(-20, -5), (30, 5)   50 \xD7 10");
    EXPECT_EQ(Field(IDC_INFO_ID), "-2147483643");
}

TEST_F(InfoPanel, AnOwnedPopupShowsTheEndOfItsOwnerChainOrItselfRelativeToIt)
{
    WindowHolder owner(CreateTopLevel(WS_POPUP, 0, 200, 100, 400, 300, NULL, "Propri\xE9taire"));
    HWND hWndMiddle = CreateTopLevel(WS_POPUP, 0, 250, 160, 100, 80, owner);
    HWND hWndPopup = CreateTopLevel(WS_POPUP, 0, 260, 170, 50, 40, hWndMiddle, "Bo\xEEte");

    m_dlg.m_bAutoFindRootParent = true;
    m_dlg.UpdateWindowInfo(hWndPopup);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "Propri\xE9taire");

    m_dlg.m_bAutoFindRootParent = false;
    m_dlg.UpdateWindowInfo(hWndPopup);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "Bo\xEEte");
    EXPECT_EQ(Field(IDC_INFO_PARENT), HandleText(hWndMiddle));
    EXPECT_EQ(Field(IDC_INFO_RECT), "(60, 70), (110, 110)   50 \xD7 40");
    EXPECT_FALSE(m_main.IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_TRUE(m_dlg.m_hWndPointed == hWndPopup && m_dlg.m_hWndRoot == owner.m_hWnd);
}

static int s_nSetTextCount;
static WNDPROC s_pfnEditProc;

static LRESULT CALLBACK CountingEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        s_nSetTextCount++;
    return CallWindowProcA(s_pfnEditProc, hwnd, message, wParam, lParam);
}

TEST_F(InfoPanel, ASecondUpdateWithTheSameWindowSendsNoSetTextAndAMoveRewritesOnlyTheRectangle)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, NULL, "Titre"));
    for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++)
        s_pfnEditProc = (WNDPROC)SetWindowLongPtrA(m_main.Item(nId), GWLP_WNDPROC, (LONG_PTR)CountingEditProc);
    m_dlg.UpdateWindowInfo(wnd);

    s_nSetTextCount = 0;
    m_dlg.UpdateWindowInfo(wnd);
    EXPECT_EQ(s_nSetTextCount, 0) << "the same window a second time";

    SetWindowPos(wnd, NULL, 120, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_dlg.UpdateWindowInfo(wnd);
    EXPECT_EQ(s_nSetTextCount, 1) << "the same window moved";
    EXPECT_EQ(Field(IDC_INFO_RECT), "(120, 50), (420, 250)   300 \xD7 200");
}

TEST_F(InfoPanel, TheFocusLeavesAnEmptiedFieldForTheMenuButtonAndOnlyThen)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200));
    HWND hWndOption = m_main.Item(IDC_KEEP_DIALOG_ON_TOP);
    SetFocus(hWndOption);
    m_dlg.UpdateWindowInfo(NULL);
    EXPECT_EQ(GetFocus(), hWndOption) << "outside the panel";

    m_dlg.UpdateWindowInfo(wnd);
    SetFocus(m_dlg.m_hWndInfoHandle);
    m_dlg.UpdateWindowInfo(wnd);
    EXPECT_EQ(GetFocus(), m_dlg.m_hWndInfoHandle) << "a window is still shown";

    m_dlg.UpdateWindowInfo(NULL);
    EXPECT_EQ(GetFocus(), m_main.Item(IDOK));
}

TEST_F(InfoPanel, NullAVanishedWindowTheProgramsOwnDialogItsControlsAndTheWindowsItOwnsEmptyThePanel)
{
    WindowHolder topmost(CreateTopLevel(WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 100, 50, 300, 200));
    WindowHolder owned(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, m_main.m_hWnd));
    HWND hWndGone = CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200);
    DestroyWindow(hWndGone);

    for (bool bAutoFindRoot : {true, false})
        for (HWND hWnd : {(HWND)NULL, hWndGone, m_main.m_hWnd, m_dlg.m_hWndInfoTitle, owned.m_hWnd}) {
            SCOPED_TRACE(testing::Message() << (void *)hWnd << (bAutoFindRoot ? " with" : " without") << " root");
            m_dlg.m_bAutoFindRootParent = bAutoFindRoot;
            m_dlg.UpdateWindowInfo(topmost);
            ASSERT_TRUE(m_main.IsChecked(IDC_KEEP_SELECTED_ON_TOP));

            m_dlg.UpdateWindowInfo(hWnd);

            for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++)
                EXPECT_EQ(Field(nId), "") << nId;
            for (int nId = IDC_LABEL_TITLE; nId <= IDC_LABEL_RECT; nId++)
                EXPECT_FALSE(m_main.IsEnabled(nId)) << nId;
            EXPECT_FALSE(m_main.IsEnabled(IDC_KEEP_SELECTED_ON_TOP) || m_main.IsChecked(IDC_KEEP_SELECTED_ON_TOP) ||
                         m_main.IsEnabled(IDC_COPY_TO_CLIPBOARD));
            EXPECT_TRUE(!m_dlg.m_hWndPointed && !m_dlg.m_hWndRoot && !m_dlg.m_bSelectedOnTop);
        }
}
