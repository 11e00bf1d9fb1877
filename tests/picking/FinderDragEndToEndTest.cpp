// Picking a window as a user does: one session of the real Zelbrant.exe,
// real mouse input pressing on its target icon and dragging over a window of
// the test program, left of and above the dialog, and what the screen and the
// dialog show during and after each drag.
#include "app/Application.h"
#include "res/resource.h"
#include "support/MouseInput.h"
#include "support/Registry.h"
#include "support/ScreenCapture.h"
#include "support/TestWindows.h"
#include "support/ZelbrantProcess.h"

#include <gtest/gtest.h>

TEST(FinderDragEndToEnd, OneSessionPicksATextThenItsRootMakesItTopmostAndClosesDuringADrag)
{
    DeleteRegistryKey(theApplication.m_strRegistryKey);
    DWORD dwOff = 0;
    WriteRawValue(theApplication.m_strRegistryKey, "AutoFindRootParent", REG_DWORD, &dwOff, 4);
    StoreDialogPlacement(450, 350, 500, 350);
    ZelbrantProcess zelbrant;
    ASSERT_TRUE(zelbrant.Start());
    RECT rcDialog, rcIcon;
    GetWindowRect(zelbrant.m_hWndDialog, &rcDialog);
    GetWindowRect(zelbrant.Control(IDC_FINDER_ICON), &rcIcon);
    ASSERT_TRUE(rcDialog.left == 450 && rcDialog.top == 350) << "the dialog opens where it was saved";
    WindowHolder target(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 20, 20, 340, 240, NULL, "Cible"));
    // A static text: a button of this program would repaint itself when the pointer comes over it.
    HWND hWndLabel = CreateControl(target.m_hWnd, "STATIC", WS_VISIBLE, 20, 30, 75, 23, 1001, "Étiquette");
    const RECT rcLabel = {40, 50, 115, 73}, rcAround = {30, 40, 125, 83};
    auto showsHandle = [&](int nId, HWND hWnd) {
        return WaitUntil([&] { return ShowsHandle(zelbrant.ControlText(nId), hWnd); }, 10000);
    };
    auto isEnabled = [&](int nId) { return IsWindowEnabled(zelbrant.Control(nId)) != FALSE; };
    // Presses on the target icon and drags to the text until the panel shows hWndShown.
    auto dragToLabel = [&](HWND hWndShown) {
        ASSERT_TRUE(MovePointerTo(POINT{rcIcon.left + 4, rcIcon.top + 4}));
        PressLeftButton();
        ASSERT_TRUE(MovePointerAlong(CenterOf(hWndLabel)));
        ASSERT_TRUE(showsHandle(IDC_INFO_HANDLE, hWndShown));
        for (int nId : {IDOK, IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT, IDC_DRAW_INVERTED_FRAME})
            EXPECT_FALSE(isEnabled(nId)) << nId;
    };
    auto releaseAndWaitForIdle = [&] {
        ReleaseLeftButton();
        ASSERT_TRUE(WaitUntil([&] { return isEnabled(IDOK); }, 10000));
    };
    PumpMessagesFor(200);
    ScreenImage before = CaptureScreen(rcAround);

    // The text is outlined during the drag, inside its edge, and the screen is
    // as before once the button is released.
    dragToLabel(hWndLabel);
    ScreenImage during = CaptureScreen(rcAround);
    releaseAndWaitForIdle();
    EXPECT_EQ(during.Pixel(rcLabel.left, rcLabel.top), ~before.Pixel(rcLabel.left, rcLabel.top) & 0xFFFFFF);
    EXPECT_EQ(during.Pixel(rcLabel.right - 3, rcLabel.bottom - 3),
              ~before.Pixel(rcLabel.right - 3, rcLabel.bottom - 3) & 0xFFFFFF);
    for (POINT pt : {POINT{rcLabel.left + 3, rcLabel.top + 3}, POINT{rcLabel.left - 1, rcLabel.top}})
        EXPECT_EQ(during.Pixel(pt.x, pt.y), before.Pixel(pt.x, pt.y)) << pt.x << ", " << pt.y;
    EXPECT_TRUE(CaptureScreen(rcAround).m_pixels == before.m_pixels);
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_TITLE), "Étiquette");
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_CLASS), "Static");
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_ID), "1001");
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_STYLE), "0x50000000");
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_EXSTYLE), "0x00000000");
    EXPECT_TRUE(ShowsHandle(zelbrant.ControlText(IDC_INFO_PARENT), target.m_hWnd));
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_RECT), "(20, 30), (95, 53)   75 × 23");
    EXPECT_FALSE(isEnabled(IDC_KEEP_SELECTED_ON_TOP)); // a child cannot be topmost
    EXPECT_TRUE(isEnabled(IDC_COPY_TO_CLIPBOARD) && isEnabled(IDC_DRAW_INVERTED_FRAME));

    // With AutoFindRootParent the root is shown and nothing is drawn; the
    // frame option stays disabled after the drag.
    SendMessageA(zelbrant.Control(IDC_AUTO_FIND_ROOT_PARENT), BM_CLICK, 0, 0);
    EXPECT_FALSE(isEnabled(IDC_DRAW_INVERTED_FRAME));
    dragToLabel(target.m_hWnd);
    EXPECT_TRUE(CaptureScreen(rcAround).m_pixels == before.m_pixels);
    releaseAndWaitForIdle();
    EXPECT_FALSE(isEnabled(IDC_DRAW_INVERTED_FRAME));
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_TITLE), "Cible");
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_PARENT), "0x00000000");
    EXPECT_EQ(zelbrant.ControlText(IDC_INFO_RECT), "(20, 20), (360, 260)   340 × 240");

    // The topmost check box makes this program's window topmost.
    ASSERT_TRUE(isEnabled(IDC_KEEP_SELECTED_ON_TOP));
    SendMessageA(zelbrant.Control(IDC_KEEP_SELECTED_ON_TOP), BM_CLICK, 0, 0);
    EXPECT_TRUE(GetWindowLongA(target.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Closing during a drag removes the frame and ends with exit code 0.
    SendMessageA(zelbrant.Control(IDC_AUTO_FIND_ROOT_PARENT), BM_CLICK, 0, 0);
    dragToLabel(hWndLabel);
    DWORD dwExitCode = zelbrant.Close();
    ReleaseLeftButton();
    EXPECT_EQ(dwExitCode, 0u);
    EXPECT_TRUE(CaptureScreen(rcAround).m_pixels == before.m_pixels);
}
