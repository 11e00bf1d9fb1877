// The finder drag inside the test program: mouse messages sent to the real
// dialog as the system would deliver them, over windows of the test's own.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/Registry.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

namespace {

// The dialog as a first run shows it, but with the frame in use.
class FinderDrag : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryKey(theApplication.m_strRegistryKey);
        ASSERT_TRUE(m_main.m_hWnd);
        m_dlg.m_bAutoFindRootParent = false;
        m_target = CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 200, 300, 200);
        m_button = CreateControl(m_target, "BUTTON", WS_VISIBLE | BS_PUSHBUTTON, 20, 30, 75, 23, 1001, "Bouton");
        PumpMessages();
    }

    void TearDown() override
    {
        if (GetCapture() == m_main.m_hWnd)
            ReleaseCapture();
        if (IsWindow(m_target))
            DestroyWindow(m_target);
    }

    // Sends a mouse message at a point in the dialog's client coordinates.
    void SendMouse(UINT message, int x, int y)
    {
        SendMessageA(m_main.m_hWnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM((WORD)(short)x, (WORD)(short)y));
    }

    void SendMouseAtScreen(UINT message, POINT ptScreen)
    {
        ScreenToClient(m_main.m_hWnd, &ptScreen);
        SendMouse(message, ptScreen.x, ptScreen.y);
    }

    void StartDrag()
    {
        SendMouse(WM_LBUTTONDOWN, m_dlg.m_rcFinderIcon.left, m_dlg.m_rcFinderIcon.top);
    }

    HICON FinderIcon()
    {
        return (HICON)SendMessageA(m_main.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0);
    }

    std::string Field(int nId)
    {
        char sz[256] = "";
        GetWindowTextA(m_main.Item(nId), sz, sizeof(sz));
        return sz;
    }

    MainDialog m_main;
    ZLBR_DlgZelbrant &m_dlg = m_main.m_dlg;
    HWND m_target = NULL;
    HWND m_button = NULL;
};

POINT ScreenPoint(HWND hWnd, int x, int y)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return POINT{rc.left + x, rc.top + y};
}

} // namespace

TEST_F(FinderDrag, APressOnTheIconsLeftEdgeStartsADragAndOneOnItsRightEdgeDoesNot)
{
    SendMouse(WM_LBUTTONDOWN, m_dlg.m_rcFinderIcon.right, m_dlg.m_rcFinderIcon.top);
    EXPECT_FALSE(m_dlg.m_bTracking);
    SendMouse(WM_LBUTTONDOWN, m_dlg.m_rcFinderIcon.left, m_dlg.m_rcFinderIcon.bottom);
    EXPECT_FALSE(m_dlg.m_bTracking);
    EXPECT_TRUE(GetCapture() == NULL);

    SendMouse(WM_LBUTTONDOWN, m_dlg.m_rcFinderIcon.left, m_dlg.m_rcFinderIcon.bottom - 1);

    EXPECT_TRUE(m_dlg.m_bTracking);
    EXPECT_EQ(GetCapture(), m_main.m_hWnd);
}

TEST_F(FinderDrag, ADoubleClickOnTheIconStartsADrag)
{
    SendMouse(WM_LBUTTONDBLCLK, m_dlg.m_rcFinderIcon.left + 1, m_dlg.m_rcFinderIcon.top + 1);

    EXPECT_TRUE(m_dlg.m_bTracking);
    EXPECT_EQ(GetCapture(), m_main.m_hWnd);
}

TEST_F(FinderDrag, DuringADragTheMenuAndOptionsAreDisabledAndTheDialogHasTheFocus)
{
    HICON hIdleIcon = FinderIcon();
    StartDrag();

    for (int nId : {IDOK, IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT, IDC_DRAW_INVERTED_FRAME})
        EXPECT_FALSE(m_main.IsEnabled(nId)) << nId;
    // The dialog keeps the keyboard, so that Escape and Enter still reach it
    // (its default procedure may hand the focus on to one of its controls).
    HWND hWndFocus = GetFocus();
    EXPECT_TRUE(hWndFocus == m_main.m_hWnd || IsChild(m_main.m_hWnd, hWndFocus));
    EXPECT_TRUE(IsWindowEnabled(hWndFocus));
    EXPECT_NE(FinderIcon(), hIdleIcon);
    EXPECT_EQ(GetCursor(), m_dlg.m_hFinderCursor);
}

TEST_F(FinderDrag, MovesShowThePointedControlAndTheReleaseKeepsItShown)
{
    StartDrag();
    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_button, 10, 10));
    EXPECT_EQ(m_dlg.m_hWndFramed, m_button);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "Bouton");

    SendMouseAtScreen(WM_LBUTTONUP, ScreenPoint(m_button, 10, 10));

    EXPECT_FALSE(m_dlg.m_bTracking);
    EXPECT_TRUE(GetCapture() == NULL);
    EXPECT_TRUE(m_dlg.m_hWndFramed == NULL);
    EXPECT_EQ(m_dlg.m_hWndPointed, m_button);
    EXPECT_EQ(Field(IDC_INFO_ID), "1001");
    EXPECT_EQ(Field(IDC_INFO_RECT), "(20, 30), (95, 53)   75 \xD7 23");
    for (int nId : {IDOK, IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT, IDC_DRAW_INVERTED_FRAME})
        EXPECT_TRUE(m_main.IsEnabled(nId)) << nId;
    EXPECT_EQ(GetFocus(), m_main.Item(IDOK));
}

TEST_F(FinderDrag, MovingToAnotherWindowMovesTheFrameAndMovingInsideOneKeepsIt)
{
    StartDrag();
    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_button, 5, 5));
    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_button, 40, 12));
    EXPECT_EQ(m_dlg.m_hWndFramed, m_button);

    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_target, 200, 150));

    EXPECT_EQ(m_dlg.m_hWndFramed, m_target);
    EXPECT_EQ(m_dlg.m_hWndPointed, m_target);
}

TEST_F(FinderDrag, WithAutoFindRootParentNoFrameIsDrawnAndTheRootIsShown)
{
    m_dlg.m_bAutoFindRootParent = true;
    StartDrag();

    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_button, 10, 10));

    EXPECT_TRUE(m_dlg.m_hWndFramed == NULL);
    EXPECT_EQ(m_dlg.m_hWndRoot, m_target);
    EXPECT_EQ(Field(IDC_INFO_RECT), "(700, 200), (1000, 400)   300 \xD7 200");
}

TEST_F(FinderDrag, ReleasingOverTheDialogItselfLeavesNothingShownAndNoFrame)
{
    StartDrag();
    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_button, 10, 10));

    SendMouse(WM_LBUTTONUP, 10, 10);

    EXPECT_TRUE(m_dlg.m_hWndFramed == NULL);
    EXPECT_TRUE(m_dlg.m_hWndPointed == NULL);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "");
    EXPECT_FALSE(m_main.IsEnabled(IDC_COPY_TO_CLIPBOARD));
}

TEST_F(FinderDrag, EscapeEndsTheDragRemovesTheFrameAndEmptiesThePanel)
{
    HICON hIdleIcon = FinderIcon();
    StartDrag();
    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_button, 10, 10));
    ASSERT_EQ(m_dlg.m_hWndFramed, m_button);

    SendMessageA(m_main.m_hWnd, WM_COMMAND, IDCANCEL, 0);

    EXPECT_FALSE(m_dlg.m_bTracking);
    EXPECT_TRUE(GetCapture() == NULL);
    EXPECT_TRUE(m_dlg.m_hWndFramed == NULL);
    EXPECT_TRUE(m_dlg.m_hWndPointed == NULL);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "");
    EXPECT_NE(FinderIcon(), hIdleIcon); // a new idle icon replaced the dragging one
    EXPECT_TRUE(m_main.IsEnabled(IDOK));
    EXPECT_TRUE(m_main.IsEnabled(IDC_AUTO_FIND_ROOT_PARENT));
    EXPECT_TRUE(m_main.IsEnabled(IDC_DRAW_INVERTED_FRAME)); // AutoFindRootParent is off
    EXPECT_TRUE(IsWindowVisible(m_main.m_hWnd));
}

TEST_F(FinderDrag, AnotherWindowTakingTheCaptureEndsTheDragAndKeepsThePanel)
{
    StartDrag();
    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_button, 10, 10));

    SetCapture(m_target);

    EXPECT_FALSE(m_dlg.m_bTracking);
    EXPECT_TRUE(m_dlg.m_hWndFramed == NULL);
    EXPECT_EQ(m_dlg.m_hWndPointed, m_button);
    EXPECT_EQ(Field(IDC_INFO_TITLE), "Bouton");
    EXPECT_TRUE(m_main.IsEnabled(IDOK));
    ReleaseCapture();
}

TEST_F(FinderDrag, MovesAndReleasesOutsideADragDoNothing)
{
    SendMouseAtScreen(WM_MOUSEMOVE, ScreenPoint(m_button, 10, 10));
    SendMouseAtScreen(WM_LBUTTONUP, ScreenPoint(m_button, 10, 10));

    EXPECT_TRUE(m_dlg.m_hWndPointed == NULL);
    EXPECT_TRUE(m_dlg.m_hWndFramed == NULL);
}

TEST_F(FinderDrag, ADestroyedWindowUnderTheReleaseEmptiesThePanel)
{
    StartDrag();
    POINT pt = ScreenPoint(m_button, 10, 10);
    SendMouseAtScreen(WM_MOUSEMOVE, pt);
    DestroyWindow(m_target);
    PumpMessages();

    SendMouseAtScreen(WM_LBUTTONUP, pt);

    EXPECT_TRUE(m_dlg.m_hWndFramed == NULL);
    EXPECT_NE(m_dlg.m_hWndPointed, m_button);
}
