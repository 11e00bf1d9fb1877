// The dialog's commands and check boxes, and the sound each one plays.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/Process.h"
#include "support/Registry.h"
#include "support/SoundSpy.h"
#include "support/TargetProcess.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

namespace {

class Commands : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryKey(theApplication.m_strRegistryKey);
        ASSERT_TRUE(m_main.m_hWnd);
        ASSERT_TRUE(m_spy.Installed());
    }

    // A click on a check box or button, as the user's click reaches the dialog.
    void Click(int nId)
    {
        SendMessageA(m_main.Item(nId), BM_CLICK, 0, 0);
    }

    void Command(WORD wId, WORD wCode = BN_CLICKED)
    {
        SendMessageA(m_main.m_hWnd, WM_COMMAND, MAKEWPARAM(wId, wCode), (LPARAM)m_main.Item(wId));
    }

    MainDialog m_main;
    ZLBR_DlgZelbrant &m_dlg = m_main.m_dlg;
    SoundSpy m_spy;
};

bool IsTopmost(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

} // namespace

TEST_F(Commands, EveryFeedbackSoundIsAProgramResourcePlayedAsynchronouslyWithoutFallback)
{
    Click(IDC_KEEP_DIALOG_ON_TOP);

    ASSERT_EQ(m_spy.Sounds().size(), 1u);
    EXPECT_EQ(m_spy.LastFlags(), (DWORD)(SND_RESOURCE | SND_ASYNC | SND_NODEFAULT));
    EXPECT_EQ(m_spy.LastModule(), theApplication.m_hInstance);
}

TEST_F(Commands, TheDialogOnTopOptionChangesTheDialogAtOnceWithItsSounds)
{
    ASSERT_TRUE(IsTopmost(m_main.m_hWnd));

    Click(IDC_KEEP_DIALOG_ON_TOP);
    EXPECT_FALSE(m_dlg.m_bKeepDialogOnTop);
    EXPECT_FALSE(IsTopmost(m_main.m_hWnd));

    Click(IDC_KEEP_DIALOG_ON_TOP);
    EXPECT_TRUE(IsTopmost(m_main.m_hWnd));
    EXPECT_EQ(m_spy.Sounds(), (std::vector<UINT>{IDW_OPTION_OFF, IDW_OPTION_ON}));
}

TEST_F(Commands, TurningAutoFindOffAndOnShowsTheKeptFrameOptionAndSwitchesThePanel)
{
    WindowHolder target(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 200, 300, 200));
    HWND hWndButton = CreateControl(target, "BUTTON", WS_VISIBLE, 20, 30, 75, 23, 1001, "Bouton");
    m_dlg.UpdateWindowInfo(hWndButton); // shown as its root while AutoFindRootParent is on
    ASSERT_EQ(m_dlg.m_hWndPointed, hWndButton);

    Click(IDC_AUTO_FIND_ROOT_PARENT);
    EXPECT_FALSE(m_dlg.m_bAutoFindRootParent);
    EXPECT_TRUE(m_main.IsEnabled(IDC_DRAW_INVERTED_FRAME));
    EXPECT_TRUE(m_main.IsChecked(IDC_DRAW_INVERTED_FRAME)); // the stored value, on
    EXPECT_EQ(WindowText(m_dlg.m_hWndInfoTitle), "Bouton");

    Click(IDC_AUTO_FIND_ROOT_PARENT);
    EXPECT_FALSE(m_main.IsEnabled(IDC_DRAW_INVERTED_FRAME));
    EXPECT_FALSE(m_main.IsChecked(IDC_DRAW_INVERTED_FRAME));
    EXPECT_TRUE(m_dlg.m_bDrawInvertedFrame);
    EXPECT_EQ(WindowText(m_dlg.m_hWndInfoRect), "(700, 200), (1000, 400)   300 \xD7 200");
    EXPECT_EQ(m_spy.Sounds(), (std::vector<UINT>{IDW_OPTION_OFF, IDW_OPTION_ON}));
}

TEST_F(Commands, TheFrameOptionOnlyChangesItsValue)
{
    Click(IDC_AUTO_FIND_ROOT_PARENT);
    m_spy.Clear();

    Click(IDC_DRAW_INVERTED_FRAME);

    EXPECT_FALSE(m_dlg.m_bDrawInvertedFrame);
    EXPECT_EQ(m_spy.Sounds(), std::vector<UINT>{IDW_OPTION_OFF});
}

TEST_F(Commands, ANotificationOtherThanAClickChangesNothing)
{
    for (WORD wId : {IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT, IDC_KEEP_SELECTED_ON_TOP})
        Command(wId, BN_SETFOCUS);

    EXPECT_TRUE(m_dlg.m_bKeepDialogOnTop && m_dlg.m_bAutoFindRootParent);
    EXPECT_TRUE(m_spy.Sounds().empty());
}

TEST_F(Commands, EnterOnACheckBoxOnlyMovesTheFocusToMenu)
{
    SetFocus(m_main.Item(IDC_KEEP_DIALOG_ON_TOP));

    Command(IDOK);

    EXPECT_EQ(GetFocus(), m_main.Item(IDOK));
    EXPECT_TRUE(m_dlg.m_bKeepDialogOnTop);
    EXPECT_TRUE(m_spy.Sounds().empty());
}

TEST_F(Commands, EscapeWithoutADragLeavesTheDialogOpen)
{
    Command(IDCANCEL);

    EXPECT_TRUE(IsWindowVisible(m_main.m_hWnd));
    EXPECT_TRUE(m_spy.Sounds().empty());
}

TEST_F(Commands, TheCloseCommandDuringADragCancelsItBeforeTheDialogEnds)
{
    SendMessageA(m_main.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(m_dlg.m_rcFinderIcon.left, m_dlg.m_rcFinderIcon.top));
    ASSERT_TRUE(m_dlg.m_bTracking);

    SendMessageA(m_main.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);

    EXPECT_FALSE(m_dlg.m_bTracking);
    EXPECT_TRUE(GetCapture() == NULL);
    EXPECT_FALSE(IsWindowVisible(m_main.m_hWnd)); // EndDialog hides a modeless dialog
}

TEST(KeepSelectedOnTop, TickingMakesAnotherProgramsWindowTopmostAndUntickingUndoesIt)
{
    DeleteRegistryKey(theApplication.m_strRegistryKey);
    TargetProcess target;
    ASSERT_TRUE(target.Start());
    MainDialog main;
    SoundSpy spy;
    main.m_dlg.UpdateWindowInfo(target.m_hWndMain);
    ASSERT_TRUE(main.IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    ASSERT_FALSE(main.IsChecked(IDC_KEEP_SELECTED_ON_TOP));

    SendMessageA(main.Item(IDC_KEEP_SELECTED_ON_TOP), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsTopmost(target.m_hWndMain));
    EXPECT_TRUE(main.IsChecked(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_TRUE(main.m_dlg.m_bSelectedOnTop);

    SendMessageA(main.Item(IDC_KEEP_SELECTED_ON_TOP), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsTopmost(target.m_hWndMain));
    EXPECT_FALSE(main.IsChecked(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_EQ(spy.Sounds(), (std::vector<UINT>{IDW_OPTION_ON, IDW_OPTION_OFF}));
}

TEST(KeepSelectedOnTop, TickingForAWindowDestroyedSinceEmptiesThePanelWithTheFailureSound)
{
    DeleteRegistryKey(theApplication.m_strRegistryKey);
    MainDialog main;
    SoundSpy spy;
    HWND hWndTarget = CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 200, 300, 200);
    main.m_dlg.UpdateWindowInfo(hWndTarget);
    ASSERT_TRUE(main.IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    DestroyWindow(hWndTarget);

    SendMessageA(main.Item(IDC_KEEP_SELECTED_ON_TOP), BM_CLICK, 0, 0);

    EXPECT_TRUE(main.m_dlg.m_hWndPointed == NULL);
    EXPECT_EQ(WindowText(main.m_dlg.m_hWndInfoHandle), "");
    EXPECT_FALSE(main.IsEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_FALSE(main.IsChecked(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_EQ(spy.Sounds(), std::vector<UINT>{IDW_FAILURE});
}

TEST(KeepSelectedOnTop, AWindowGivenAnOwnerSinceItWasPickedIsRefused)
{
    DeleteRegistryKey(theApplication.m_strRegistryKey);
    MainDialog main;
    SoundSpy spy;
    WindowHolder owner(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 650, 150, 100, 100));
    WindowHolder target(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 200, 300, 200));
    main.m_dlg.UpdateWindowInfo(target);
    SetWindowLongPtrA(target, GWLP_HWNDPARENT, (LONG_PTR)owner.m_hWnd);

    SendMessageA(main.Item(IDC_KEEP_SELECTED_ON_TOP), BM_CLICK, 0, 0);

    EXPECT_FALSE(IsTopmost(target));
    EXPECT_EQ(spy.Sounds(), std::vector<UINT>{IDW_FAILURE});
}
