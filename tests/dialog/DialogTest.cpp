// The dialog's starting state from the stored settings, its commands and
// check boxes with the sound each one plays, and the release of its icons.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/Process.h"
#include "support/Registry.h"
#include "support/SoundSpy.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <functional>

static bool IsTopmost(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

static bool IconExists(LRESULT hIcon)
{
    ICONINFO info;
    if (!hIcon || !GetIconInfo((HICON)hIcon, &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

TEST(OnInitDialog, ShowsTheStoredOptionsAnEmptyPanelAndTheFocusOnMenuAtTheSavedPlace)
{
    struct Row {
        int nKeep, nAuto, nFrame; // -1: nothing stored
        bool bTopmost, bAutoChecked, bFrameChecked, bFrameEnabled;
    } rows[] = {{-1, -1, -1, true, true, false, false},
                {-1, 0, 1, true, false, true, true},
                {0, 1, 1, false, true, false, false}};
    for (const Row &row : rows) {
        DeleteRegistryKey(theApplication.m_strRegistryKey);
        const char *apszNames[] = {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"};
        const DWORD adwValues[] = {(DWORD)row.nKeep, (DWORD)row.nAuto, (DWORD)row.nFrame};
        for (int i = 0; i < 3; i++)
            if ((int)adwValues[i] >= 0)
                WriteRawValue(theApplication.m_strRegistryKey, apszNames[i], REG_DWORD, &adwValues[i], 4);
        MainDialog dialog;
        ASSERT_TRUE(dialog.m_hWnd);
        EXPECT_EQ(IsTopmost(dialog.m_hWnd), row.bTopmost);
        EXPECT_EQ(dialog.IsChecked(IDC_KEEP_DIALOG_ON_TOP), row.bTopmost);
        EXPECT_EQ(dialog.IsChecked(IDC_AUTO_FIND_ROOT_PARENT), row.bAutoChecked);
        EXPECT_EQ(dialog.IsChecked(IDC_DRAW_INVERTED_FRAME), row.bFrameChecked);
        EXPECT_EQ(dialog.IsEnabled(IDC_DRAW_INVERTED_FRAME), row.bFrameEnabled);
        EXPECT_TRUE(dialog.m_dlg.m_bDrawInvertedFrame);
    }

    // A saved place with its copy for the monitor is where the dialog opens.
    StoreDialogPlacement(40, 30, 500, 350);
    MainDialog dialog;
    RECT rc, rcIcon;
    GetWindowRect(dialog.m_hWnd, &rc);
    EXPECT_TRUE(rc.left == 40 && rc.top == 30) << rc.left << ", " << rc.top;
    EXPECT_EQ(GetFocus(), dialog.Item(IDOK));
    for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++)
        EXPECT_EQ(GetWindowTextLengthA(dialog.Item(nId)), 0) << nId;
    for (int nId : {IDC_LABEL_TITLE, IDC_LABEL_RECT, IDC_KEEP_SELECTED_ON_TOP, IDC_COPY_TO_CLIPBOARD})
        EXPECT_FALSE(dialog.IsEnabled(nId)) << nId;
    EXPECT_TRUE(IconExists(SendMessageA(dialog.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0)));
    // The finder icon's rectangle is kept in the dialog's client coordinates
    // (as the template made it: the icon, once set, may resize the control).
    GetWindowRect(dialog.Item(IDC_FINDER_ICON), &rcIcon);
    MapWindowPoints(NULL, dialog.m_hWnd, (POINT *)&rcIcon, 2);
    const RECT &rcFinder = dialog.m_dlg.m_rcFinderIcon;
    EXPECT_TRUE(rcFinder.left == rcIcon.left && rcFinder.top == rcIcon.top && rcFinder.right - rcFinder.left >= 32);
}

TEST(OnInitDialog, WithoutTheFinderCursorTheDialogEndsAtOnceWithMinusOne)
{
    ZLBR_DlgZelbrant dlg(NULL);
    dlg.m_hFinderCursor = NULL;
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(dlg.m_hWndMenu != NULL); // the handles were collected first
}

TEST(OnDestroy, TheIconsOfTheFinderCopyMenuAndTitleBarAreDestroyedAndSoIsEachReplacedFinderIcon)
{
    MainDialog dialog;
    LRESULT hIdle = SendMessageA(dialog.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0);
    dialog.m_dlg.ShowFinderIcon(false);
    EXPECT_FALSE(IconExists(hIdle));
    LRESULT ahIcons[] = {SendMessageA(dialog.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0),
                         SendMessageA(dialog.Item(IDC_COPY_TO_CLIPBOARD), BM_GETIMAGE, IMAGE_ICON, 0),
                         SendMessageA(dialog.Item(IDOK), BM_GETIMAGE, IMAGE_ICON, 0),
                         SendMessageA(dialog.m_hWnd, WM_GETICON, ICON_SMALL, 0)};
    for (LRESULT hIcon : ahIcons)
        ASSERT_TRUE(IconExists(hIcon));

    DestroyWindow(dialog.m_hWnd);
    for (LRESULT hIcon : ahIcons)
        EXPECT_FALSE(IconExists(hIcon));
}

class Commands : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryKey(theApplication.m_strRegistryKey);
        m_main.reset(new MainDialog);
        ASSERT_TRUE(m_spy.Installed());
    }

    // A click on a check box or button, as the user's click reaches the dialog.
    void Click(int nId)
    {
        SendMessageA(m_main->Item(nId), BM_CLICK, 0, 0);
    }

    SoundSpy m_spy;
    std::unique_ptr<MainDialog> m_main;
};

TEST_F(Commands, TheOptionsChangeTheDialogAtOnceWithTheirSoundsAndNothingElseDoes)
{
    ZLBR_DlgZelbrant &dlg = m_main->m_dlg;
    WindowHolder target(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 200, 300, 200));
    HWND hWndButton = CreateControl(target.m_hWnd, "BUTTON", WS_VISIBLE, 20, 30, 75, 23, 1001, "Bouton");
    dlg.UpdateWindowInfo(hWndButton); // shown as its root while AutoFindRootParent is on
    // A notification other than a click, Enter on a check box and Escape
    // without a drag change nothing, but Enter brings the focus to Menu.
    for (WORD wId :
         {IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT, IDC_DRAW_INVERTED_FRAME, IDC_KEEP_SELECTED_ON_TOP})
        SendMessageA(m_main->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_SETFOCUS), 0);
    SetFocus(m_main->Item(IDC_KEEP_DIALOG_ON_TOP));
    SendMessageA(m_main->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(GetFocus(), m_main->Item(IDOK));
    SendMessageA(m_main->m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindowVisible(m_main->m_hWnd) && !IsTopmost(target.m_hWnd));
    EXPECT_TRUE(dlg.m_bKeepDialogOnTop && dlg.m_bAutoFindRootParent && dlg.m_bDrawInvertedFrame);
    EXPECT_EQ(WindowText(dlg.m_hWndInfoTitle), "");
    ASSERT_TRUE(m_spy.Sounds().empty());

    Click(IDC_KEEP_DIALOG_ON_TOP);
    EXPECT_FALSE(dlg.m_bKeepDialogOnTop || IsTopmost(m_main->m_hWnd));
    EXPECT_EQ(m_spy.LastFlags(), (DWORD)(SND_RESOURCE | SND_ASYNC | SND_NODEFAULT));
    EXPECT_EQ(m_spy.LastModule(), theApplication.m_hInstance);
    Click(IDC_KEEP_DIALOG_ON_TOP);
    EXPECT_TRUE(IsTopmost(m_main->m_hWnd));

    // The panel switches between the button and its root; the frame option
    // shows its kept value only while the root is not searched.
    Click(IDC_AUTO_FIND_ROOT_PARENT);
    EXPECT_TRUE(m_main->IsEnabled(IDC_DRAW_INVERTED_FRAME) && m_main->IsChecked(IDC_DRAW_INVERTED_FRAME));
    EXPECT_EQ(WindowText(dlg.m_hWndInfoTitle), "Bouton");
    Click(IDC_DRAW_INVERTED_FRAME);
    EXPECT_FALSE(dlg.m_bDrawInvertedFrame);
    Click(IDC_DRAW_INVERTED_FRAME);
    Click(IDC_AUTO_FIND_ROOT_PARENT);
    EXPECT_FALSE(m_main->IsEnabled(IDC_DRAW_INVERTED_FRAME) || m_main->IsChecked(IDC_DRAW_INVERTED_FRAME));
    EXPECT_TRUE(dlg.m_bDrawInvertedFrame);
    EXPECT_EQ(WindowText(dlg.m_hWndInfoRect), "(700, 200), (1000, 400)   300 × 200");
    EXPECT_EQ(m_spy.Sounds(), (std::vector<UINT>{IDW_OPTION_OFF, IDW_OPTION_ON, IDW_OPTION_OFF, IDW_OPTION_OFF,
                                                 IDW_OPTION_ON, IDW_OPTION_ON}));
}

TEST_F(Commands, TheCloseCommandDuringADragCancelsItBeforeTheDialogEnds)
{
    ZLBR_DlgZelbrant &dlg = m_main->m_dlg;
    SendMessageA(m_main->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(dlg.m_rcFinderIcon.left, dlg.m_rcFinderIcon.top));
    ASSERT_TRUE(dlg.m_bTracking);

    SendMessageA(m_main->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(dlg.m_bTracking || GetCapture());
    EXPECT_FALSE(IsWindowVisible(m_main->m_hWnd)); // EndDialog hides a modeless dialog
}

// Keeps the Z order of a window whatever it is asked, as some programs do.
static LRESULT CALLBACK KeepZOrder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGING)
        ((WINDOWPOS *)lParam)->flags |= SWP_NOZORDER;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(Commands, TheTopmostCheckBoxChangesTheShownWindowOrEmptiesThePanelWithTheFailureSound)
{
    ZLBR_DlgZelbrant &dlg = m_main->m_dlg;
    WindowHolder owner(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 650, 150, 100, 100));
    struct Row {
        const char *pszWhat;
        std::function<void(HWND)> change; // what happens to the window after it is shown
        std::vector<UINT> sounds;
    } rows[] = {
        {"ticked and unticked", [](HWND) {}, {IDW_OPTION_ON, IDW_OPTION_OFF}},
        {"destroyed since", [](HWND hWnd) { DestroyWindow(hWnd); }, {IDW_FAILURE}},
        {"given an owner since",
         [&](HWND hWnd) { SetWindowLongPtrA(hWnd, GWLP_HWNDPARENT, (LONG_PTR)owner.m_hWnd); },
         {IDW_FAILURE}},
        {"made a child since",
         [](HWND hWnd) { SetWindowLongA(hWnd, GWL_STYLE, WS_CHILD | WS_VISIBLE); },
         {IDW_FAILURE}},
        {"keeping its Z order",
         [](HWND hWnd) { SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)KeepZOrder); },
         {IDW_FAILURE}},
    };
    for (const Row &row : rows) {
        m_spy.Clear();
        WindowHolder target(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 200, 300, 200));
        dlg.UpdateWindowInfo(target.m_hWnd);
        ASSERT_TRUE(m_main->IsEnabled(IDC_KEEP_SELECTED_ON_TOP) && !m_main->IsChecked(IDC_KEEP_SELECTED_ON_TOP));
        row.change(target.m_hWnd);
        SetFocus(m_main->Item(IDC_KEEP_SELECTED_ON_TOP));

        Click(IDC_KEEP_SELECTED_ON_TOP);
        bool bFailed = row.sounds[0] == IDW_FAILURE;
        EXPECT_EQ(IsWindow(target.m_hWnd) && IsTopmost(target.m_hWnd), !bFailed) << row.pszWhat;
        EXPECT_EQ(m_main->IsChecked(IDC_KEEP_SELECTED_ON_TOP), !bFailed) << row.pszWhat;
        EXPECT_EQ(m_main->IsEnabled(IDC_KEEP_SELECTED_ON_TOP), !bFailed) << row.pszWhat;
        EXPECT_EQ(WindowText(dlg.m_hWndInfoHandle).empty(), bFailed) << row.pszWhat;
        EXPECT_EQ(dlg.m_hWndPointed == NULL, bFailed) << row.pszWhat;
        EXPECT_EQ(GetFocus(), m_main->Item(bFailed ? IDOK : IDC_KEEP_SELECTED_ON_TOP)) << row.pszWhat;
        if (!bFailed) {
            Click(IDC_KEEP_SELECTED_ON_TOP);
            EXPECT_FALSE(IsTopmost(target.m_hWnd) || m_main->IsChecked(IDC_KEEP_SELECTED_ON_TOP));
        }
        EXPECT_EQ(m_spy.Sounds(), row.sounds) << row.pszWhat;
    }
}
