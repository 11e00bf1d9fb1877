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
#include <stdlib.h>
#include <string.h>
#include <vector>

class InfoPanel : public testing::Test {
protected:
    std::string Field(int nId) const
    {
        return WindowText(GetDlgItem(m_main.m_hWnd, nId));
    }
    bool IsEnabled(int nId) const
    {
        return IsWindowEnabled(GetDlgItem(m_main.m_hWnd, nId)) != FALSE;
    }
    bool IsTopmostBoxChecked() const
    {
        return IsDlgButtonChecked(m_main.m_hWnd, IDC_KEEP_SELECTED_ON_TOP) == BST_CHECKED;
    }

    // "0x" and exactly 8 upper-case hexadecimal digits naming hWnd.
    static testing::AssertionResult NamesHandle(const std::string &strText, HWND hWnd)
    {
        bool bForm = strText.size() == 10 && strText.compare(0, 2, "0x") == 0 &&
                     strText.find_first_not_of("0123456789ABCDEF", 2) == std::string::npos;
        if (bForm && strtoul(strText.c_str() + 2, NULL, 16) == (unsigned long)(ULONG_PTR)hWnd)
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "\"" << strText << "\" does not name " << (void *)hWnd;
    }

    testing::AssertionResult ShowsNothing() const
    {
        for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++)
            if (!Field(nId).empty())
                return testing::AssertionFailure() << "edit " << nId << " shows \"" << Field(nId) << "\"";
        for (int nId = IDC_LABEL_TITLE; nId <= IDC_LABEL_RECT; nId++)
            if (IsEnabled(nId))
                return testing::AssertionFailure() << "label " << nId << " is enabled";
        if (IsEnabled(IDC_KEEP_SELECTED_ON_TOP) || IsEnabled(IDC_COPY_TO_CLIPBOARD) || IsTopmostBoxChecked())
            return testing::AssertionFailure() << "check box 209 or button 401 is enabled, or 209 checked";
        const ZLBR_DlgZelbrant &dlg = m_main.m_dlg;
        if (dlg.m_hWndPointed || dlg.m_hWndRoot || dlg.m_bSelectedOnTop)
            return testing::AssertionFailure() << "the selection fields still name a window";
        return testing::AssertionSuccess();
    }

    MainDialog m_main;
};

TEST_F(InfoPanel, ATopLevelWindowShowsItsValuesInScreenCoordinatesAndNoParent)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, NULL, "Fenêtre d'essai"));

    m_main.m_dlg.UpdateWindowInfo(wnd);

    EXPECT_EQ(Field(IDC_INFO_TITLE), "Fen\xEAtre d'essai");
    EXPECT_EQ(Field(IDC_INFO_CLASS), TestWindowClass());
    EXPECT_TRUE(NamesHandle(Field(IDC_INFO_HANDLE), wnd));
    EXPECT_EQ(Field(IDC_INFO_ID), "0");
    EXPECT_EQ(Field(IDC_INFO_PARENT), "0x00000000");
    EXPECT_EQ(Field(IDC_INFO_RECT), "(100, 50), (400, 250)   300 \xD7 200");
    for (int nId = IDC_LABEL_TITLE; nId <= IDC_LABEL_RECT; nId++)
        EXPECT_TRUE(IsEnabled(nId)) << nId;
    EXPECT_TRUE(IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_FALSE(IsTopmostBoxChecked());
    EXPECT_TRUE(IsEnabled(IDC_COPY_TO_CLIPBOARD));
    EXPECT_EQ(m_main.m_dlg.m_hWndPointed, wnd.m_hWnd);
    EXPECT_EQ(m_main.m_dlg.m_hWndRoot, wnd.m_hWnd);
}

TEST_F(InfoPanel, HandlesShowUpperCaseHexadecimalDigits)
{
    // Handles are small numbers here: make windows until one has a letter.
    std::vector<std::unique_ptr<WindowHolder>> windows;
    char szHex[16] = "";
    while (windows.size() < 64 && strpbrk(szHex, "abcdef") == NULL) {
        windows.emplace_back(new WindowHolder(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200)));
        snprintf(szHex, sizeof szHex, "%lx", (unsigned long)(ULONG_PTR)windows.back()->m_hWnd);
    }
    ASSERT_TRUE(strpbrk(szHex, "abcdef"));

    m_main.m_dlg.UpdateWindowInfo(*windows.back());

    EXPECT_TRUE(NamesHandle(Field(IDC_INFO_HANDLE), *windows.back()));
}

TEST_F(InfoPanel, TheTopmostCheckBoxFollowsTheShownWindow)
{
    WindowHolder topmost(CreateTopLevel(WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 100, 50, 300, 200));
    WindowHolder normal(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200));

    m_main.m_dlg.UpdateWindowInfo(topmost);
    EXPECT_TRUE(IsTopmostBoxChecked());
    EXPECT_TRUE(m_main.m_dlg.m_bSelectedOnTop);
    EXPECT_EQ(Field(IDC_INFO_EXSTYLE), "0x00000088");

    m_main.m_dlg.UpdateWindowInfo(normal);
    EXPECT_FALSE(IsTopmostBoxChecked());
    EXPECT_FALSE(m_main.m_dlg.m_bSelectedOnTop);
    EXPECT_EQ(Field(IDC_INFO_EXSTYLE), "0x00000000");
}

TEST_F(InfoPanel, AControlInAnIntermediateChildShowsItsRectangleRelativeToTheTopLevelClientArea)
{
    m_main.m_dlg.m_bAutoFindRootParent = false;
    WindowHolder top(CreateTopLevel(WS_POPUP | WS_BORDER, 0, 200, 150, 400, 300));
    HWND hWndPanel = CreateControl(top, "Static", WS_VISIBLE, 5, 10, 200, 150);
    HWND hWndControl = CreateControl(hWndPanel, "Static", WS_VISIBLE | WS_DISABLED | SS_NOTIFY, 15, 20, 75, 23, 1001);

    m_main.m_dlg.UpdateWindowInfo(hWndControl);

    EXPECT_EQ(Field(IDC_INFO_RECT), "(20, 30), (95, 53)   75 \xD7 23");
    EXPECT_EQ(Field(IDC_INFO_CLASS), "Static");
    EXPECT_EQ(Field(IDC_INFO_ID), "1001");
    EXPECT_EQ(Field(IDC_INFO_STYLE), "0x58000100");
    EXPECT_TRUE(NamesHandle(Field(IDC_INFO_HANDLE), hWndControl));
    EXPECT_TRUE(NamesHandle(Field(IDC_INFO_PARENT), hWndPanel));
    EXPECT_FALSE(IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_TRUE(IsEnabled(IDC_COPY_TO_CLIPBOARD));
    EXPECT_EQ(m_main.m_dlg.m_hWndPointed, hWndControl);
    EXPECT_EQ(m_main.m_dlg.m_hWndRoot, top.m_hWnd);
}

TEST_F(InfoPanel, WithAutoFindRootParentAControlShowsItsRootWindow)
{
    WindowHolder top(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, NULL, "Racine"));
    HWND hWndPanel = CreateControl(top, "Static", WS_VISIBLE, 5, 10, 200, 150);
    HWND hWndControl = CreateControl(hWndPanel, "Edit", WS_VISIBLE, 15, 20, 75, 23, 1001);

    m_main.m_dlg.UpdateWindowInfo(hWndControl);

    EXPECT_EQ(Field(IDC_INFO_TITLE), "Racine");
    EXPECT_EQ(Field(IDC_INFO_CLASS), TestWindowClass());
    EXPECT_TRUE(NamesHandle(Field(IDC_INFO_HANDLE), top));
    EXPECT_EQ(Field(IDC_INFO_RECT), "(100, 50), (400, 250)   300 \xD7 200");
    EXPECT_TRUE(IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_EQ(m_main.m_dlg.m_hWndPointed, hWndControl);
    EXPECT_EQ(m_main.m_dlg.m_hWndRoot, top.m_hWnd);
}

TEST_F(InfoPanel, CoordinatesLeftOfAndAboveTheScreenAndIdentifiersWithTheTopBitShowNegative)
{
    m_main.m_dlg.m_bAutoFindRootParent = false;
    WindowHolder top(CreateTopLevel(WS_POPUP, 0, -150, -40, 100, 30));
    HWND hWndControl = CreateControl(top, "Button", WS_VISIBLE, -20, -5, 50, 10);
    SetWindowLongA(hWndControl, GWL_ID, (LONG)0x80000005);

    m_main.m_dlg.UpdateWindowInfo(top);
    EXPECT_EQ(Field(IDC_INFO_RECT), "(-150, -40), (-50, -10)   100 \xD7 30");

    m_main.m_dlg.UpdateWindowInfo(hWndControl);
    EXPECT_EQ(Field(IDC_INFO_RECT), "(-20, -5), (30, 5)   50 \xD7 10");
    EXPECT_EQ(Field(IDC_INFO_ID), "-2147483643");
    SetWindowLongA(hWndControl, GWL_ID, -1);
    m_main.m_dlg.UpdateWindowInfo(hWndControl);
    EXPECT_EQ(Field(IDC_INFO_ID), "-1");
}

// A rectangle text computed from the screen rectangle of hWnd and the client
// origin of hWndRoot.
static std::string RectRelativeTo(HWND hWnd, HWND hWndRoot)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    POINT pt = {0, 0};
    ClientToScreen(hWndRoot, &pt);
    char sz[96];
    snprintf(sz, sizeof sz, "(%ld, %ld), (%ld, %ld)   %ld \xD7 %ld", rc.left - pt.x, rc.top - pt.y, rc.right - pt.x,
             rc.bottom - pt.y, rc.right - rc.left, rc.bottom - rc.top);
    return sz;
}

TEST_F(InfoPanel, AnOwnedPopupShowsTheEndOfItsOwnerChainOrItselfRelativeToIt)
{
    WindowHolder owner(CreateTopLevel(WS_POPUP | WS_BORDER, 0, 200, 100, 400, 300, NULL, "Propri\xE9taire"));
    HWND hWndMiddle = CreateTopLevel(WS_POPUP, 0, 250, 160, 100, 80, owner);
    HWND hWndPopup = CreateTopLevel(WS_POPUP, 0, 260, 170, 50, 40, hWndMiddle, "Bo\xEEte");
    ASSERT_EQ(GetParent(hWndPopup), hWndMiddle);
    ZLBR_DlgZelbrant &dlg = m_main.m_dlg;

    dlg.UpdateWindowInfo(hWndPopup);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "Propri\xE9taire");
    EXPECT_TRUE(NamesHandle(Field(IDC_INFO_HANDLE), owner));
    EXPECT_EQ(Field(IDC_INFO_RECT), "(200, 100), (600, 400)   400 \xD7 300");
    EXPECT_TRUE(IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_EQ(dlg.m_hWndRoot, owner.m_hWnd);

    dlg.m_bAutoFindRootParent = false;
    dlg.UpdateWindowInfo(hWndPopup);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "Bo\xEEte");
    EXPECT_TRUE(NamesHandle(Field(IDC_INFO_PARENT), hWndMiddle));
    EXPECT_EQ(Field(IDC_INFO_RECT), RectRelativeTo(hWndPopup, owner));
    EXPECT_NE(Field(IDC_INFO_RECT), RectRelativeTo(hWndPopup, hWndMiddle));
    EXPECT_FALSE(IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_EQ(dlg.m_hWndPointed, hWndPopup);
    EXPECT_EQ(dlg.m_hWndRoot, owner.m_hWnd);
}

static int s_nSetTextCount;
static WNDPROC s_pfnEditProc;

static LRESULT CALLBACK CountingEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        s_nSetTextCount++;
    return CallWindowProcA(s_pfnEditProc, hwnd, message, wParam, lParam);
}

TEST_F(InfoPanel, OnlyTheTextsThatChangedAreRewritten)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, NULL, "Titre"));
    for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++)
        s_pfnEditProc =
            (WNDPROC)SetWindowLongPtrA(GetDlgItem(m_main.m_hWnd, nId), GWLP_WNDPROC, (LONG_PTR)CountingEditProc);
    s_nSetTextCount = 0;
    m_main.m_dlg.UpdateWindowInfo(wnd);
    EXPECT_EQ(s_nSetTextCount, 8);

    s_nSetTextCount = 0;
    m_main.m_dlg.UpdateWindowInfo(wnd);
    EXPECT_EQ(s_nSetTextCount, 0) << "the same window a second time";

    SetWindowPos(wnd, NULL, 120, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    s_nSetTextCount = 0;
    m_main.m_dlg.UpdateWindowInfo(wnd);
    EXPECT_EQ(s_nSetTextCount, 1) << "the same window moved";
    EXPECT_EQ(Field(IDC_INFO_RECT), "(120, 50), (420, 250)   300 \xD7 200");
}

TEST_F(InfoPanel, TheFocusLeavesAnEmptiedFieldForTheMenuButton)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200));
    m_main.m_dlg.UpdateWindowInfo(wnd);
    SetFocus(m_main.m_dlg.m_hWndInfoHandle);
    ASSERT_EQ(GetFocus(), m_main.m_dlg.m_hWndInfoHandle);

    m_main.m_dlg.UpdateWindowInfo(wnd);
    EXPECT_EQ(GetFocus(), m_main.m_dlg.m_hWndInfoHandle) << "a window is still shown";

    m_main.m_dlg.UpdateWindowInfo(NULL);
    EXPECT_EQ(GetFocus(), GetDlgItem(m_main.m_hWnd, IDOK));
}

TEST_F(InfoPanel, TheFocusStaysOnAControlOutsideThePanel)
{
    HWND hWndOption = GetDlgItem(m_main.m_hWnd, IDC_KEEP_DIALOG_ON_TOP);
    SetFocus(hWndOption);
    ASSERT_EQ(GetFocus(), hWndOption);

    m_main.m_dlg.UpdateWindowInfo(NULL);

    EXPECT_EQ(GetFocus(), hWndOption);
}

TEST_F(InfoPanel, TheProgramsOwnDialogItsControlsAndTheWindowsItOwnsEmptyThePanel)
{
    WindowHolder topmost(CreateTopLevel(WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 100, 50, 300, 200));
    WindowHolder owned(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, m_main.m_hWnd));
    HWND ahWndOwn[] = {m_main.m_hWnd, m_main.m_dlg.m_hWndInfoTitle, GetDlgItem(m_main.m_hWnd, IDC_LABEL_RECT),
                       m_main.m_dlg.m_hWndMenu, owned};
    ZLBR_DlgZelbrant &dlg = m_main.m_dlg;

    for (bool bAutoFindRoot : {true, false}) {
        dlg.m_bAutoFindRootParent = bAutoFindRoot;
        for (HWND hWnd : ahWndOwn) {
            dlg.UpdateWindowInfo(topmost);
            ASSERT_TRUE(IsTopmostBoxChecked());
            dlg.UpdateWindowInfo(hWnd);
            EXPECT_TRUE(ShowsNothing()) << (void *)hWnd << (bAutoFindRoot ? " with" : " without") << " root";
        }
    }
}

TEST_F(InfoPanel, NullOrAVanishedWindowEmptiesThePanel)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, NULL, "Titre"));
    HWND hWndGone = CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200);
    DestroyWindow(hWndGone);

    m_main.m_dlg.UpdateWindowInfo(wnd);
    m_main.m_dlg.UpdateWindowInfo(hWndGone);
    EXPECT_TRUE(ShowsNothing());

    m_main.m_dlg.UpdateWindowInfo(wnd);
    m_main.m_dlg.UpdateWindowInfo(NULL);
    EXPECT_TRUE(ShowsNothing());
}
