// Picking a window as a user does: the real Zelbrant.exe, real mouse input
// pressing on its target icon and dragging over another program's window,
// and what the screen and the panel show during and after the drag.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MouseInput.h"
#include "support/Registry.h"
#include "support/ScreenCapture.h"
#include "support/TargetProcess.h"
#include "support/ZelbrantProcess.h"

#include <gtest/gtest.h>

#include <stdio.h>

namespace {

const DWORD WAIT_MS = 10000;

std::string HandleText(HWND hWnd)
{
    char sz[16];
    snprintf(sz, sizeof(sz), "0x%08lX", (unsigned long)(ULONG_PTR)hWnd);
    return sz;
}

RECT Inflated(RECT rc, int n)
{
    InflateRect(&rc, n, n);
    return rc;
}

class FinderDragEndToEnd : public testing::Test {
protected:
    // Both programs run; the options are stored before the dialog starts.
    void Start(bool bAutoFindRootParent)
    {
        DeleteRegistryKey(theApplication.m_strRegistryKey);
        DWORD dwAutoFind = bAutoFindRootParent;
        WriteRawValue(theApplication.m_strRegistryKey, "AutoFindRootParent", REG_DWORD, &dwAutoFind, 4);
        ASSERT_TRUE(m_target.Start());
        ASSERT_TRUE(m_zelbrant.Start());
        m_hWndButton = m_target.Control(IDC_TARGET_BUTTON);
        GetWindowRect(m_hWndButton, &m_rcButton);
    }

    // Presses on the target icon and drags to the button's centre, the
    // button held down, until the panel shows the window expected there.
    void DragToButton(HWND hWndShown)
    {
        RECT rcIcon = m_zelbrant.FinderIconRect();
        ASSERT_TRUE(MovePointerTo(POINT{rcIcon.left + 4, rcIcon.top + 4}));
        PressLeftButton();
        ASSERT_TRUE(MovePointerAlong(CenterOf(m_hWndButton)));
        ASSERT_TRUE(
            WaitUntil([&] { return m_zelbrant.ControlText(IDC_INFO_HANDLE) == HandleText(hWndShown); }, WAIT_MS));
    }

    void ReleaseAndWaitForIdle()
    {
        ReleaseLeftButton();
        ASSERT_TRUE(WaitUntil([&] { return m_zelbrant.IsControlEnabled(IDOK); }, WAIT_MS));
    }

    TargetProcess m_target;
    ZelbrantProcess m_zelbrant;
    HWND m_hWndButton = NULL;
    RECT m_rcButton = {};
};

} // namespace

TEST_F(FinderDragEndToEnd, TheButtonPointedAtIsFramedDuringTheDragAndShownAfterIt)
{
    Start(false);
    ScreenImage before = CaptureScreen(Inflated(m_rcButton, 10));

    DragToButton(m_hWndButton);
    ScreenImage during = CaptureScreen(before.m_rc);
    ReleaseAndWaitForIdle();
    ScreenImage after = CaptureScreen(before.m_rc);

    EXPECT_EQ(CheckInvertedBand(before, during, m_rcButton), "");
    EXPECT_EQ(CountDifferentPixels(before, after), 0u);

    POINT ptRootOrigin = {0, 0};
    ClientToScreen(m_target.m_hWndMain, &ptRootOrigin);
    char szRect[96];
    snprintf(szRect, sizeof(szRect), "(%ld, %ld), (%ld, %ld)   %ld \xD7 %ld", m_rcButton.left - ptRootOrigin.x,
             m_rcButton.top - ptRootOrigin.y, m_rcButton.right - ptRootOrigin.x, m_rcButton.bottom - ptRootOrigin.y,
             m_rcButton.right - m_rcButton.left, m_rcButton.bottom - m_rcButton.top);
    char szStyle[16];
    snprintf(szStyle, sizeof(szStyle), "0x%08lX", (unsigned long)GetWindowLongA(m_hWndButton, GWL_STYLE));
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_TITLE), "Bouton");
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_CLASS), "Button");
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_HANDLE), HandleText(m_hWndButton));
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_ID), "1001");
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_STYLE), szStyle);
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_EXSTYLE), "0x00000000");
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_PARENT), HandleText(m_target.Control(IDC_TARGET_PANEL)));
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_RECT), szRect);
    EXPECT_FALSE(m_zelbrant.IsControlEnabled(IDC_KEEP_SELECTED_ON_TOP)); // a child cannot be topmost
    EXPECT_TRUE(m_zelbrant.IsControlEnabled(IDC_COPY_TO_CLIPBOARD));
    EXPECT_EQ(m_zelbrant.Close(), 0u);
}

TEST_F(FinderDragEndToEnd, WithAutoFindRootParentTheRootIsShownAndNothingIsDrawn)
{
    Start(true);
    ScreenImage before = CaptureScreen(Inflated(m_rcButton, 10));

    DragToButton(m_target.m_hWndMain);
    ScreenImage during = CaptureScreen(before.m_rc);
    ReleaseAndWaitForIdle();

    EXPECT_EQ(CountDifferentPixels(before, during), 0u);
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_TITLE), TARGET_MAIN_CAPTION);
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_HANDLE), HandleText(m_target.m_hWndMain));
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_PARENT), "0x00000000");
    EXPECT_EQ(m_zelbrant.ControlText(IDC_INFO_RECT), "(600, 150), (1000, 450)   400 \xD7 300");
    EXPECT_TRUE(m_zelbrant.IsControlEnabled(IDC_KEEP_SELECTED_ON_TOP));
    EXPECT_EQ(m_zelbrant.Close(), 0u);
}

TEST_F(FinderDragEndToEnd, TheCloseCommandDuringADragRemovesTheFrameAndEndsWithExitCodeZero)
{
    Start(false);
    ScreenImage before = CaptureScreen(Inflated(m_rcButton, 10));
    DragToButton(m_hWndButton);

    DWORD dwExitCode = m_zelbrant.Close();
    ReleaseLeftButton();

    EXPECT_EQ(dwExitCode, 0u);
    EXPECT_EQ(CountDifferentPixels(before, CaptureScreen(before.m_rc)), 0u);
}
