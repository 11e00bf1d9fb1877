// The finder drag inside the test program: mouse messages sent to the real
// dialog as the system delivers them, over a window left of and above it.
#include "support/Support.h"

TEST(FinderDrag, PressMovesReleaseEnterEscapeAndALostCaptureEachLeaveTheDialogAsTheUserExpects)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, theApplication.m_strRegistryKey.c_str());
    MainDialog main;
    ZLBR_DlgZelbrant &dlg = main.m_dlg;
    SoundSpy spy;
    dlg.m_bAutoFindRootParent = false;
    SetWindowPos(main.m_hWnd, NULL, 400, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Left of and above the dialog: the capture reports negative client coordinates there.
    WindowHolder hWndTarget(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 20, 20, 300, 200));
    HWND hWndButton = CreateControl(hWndTarget, "BUTTON", WS_VISIBLE, 20, 30, 75, 23, 1001, "Bouton");
    const RECT &rcIcon = dlg.m_rcFinderIcon;
    auto send = [&](UINT message, POINT pt) { // pt in the dialog's client coordinates
        SendMessageA(main.m_hWnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    };
    auto over = [&](HWND hWnd) { // the window's centre, in the dialog's client coordinates
        POINT pt = CenterOf(hWnd);
        ScreenToClient(main.m_hWnd, &pt);
        return pt;
    };
    const POINT ptIcon = {rcIcon.left, rcIcon.top};
    auto name = [&](HWND hWnd) { return hWnd == hWndButton ? "button " : hWnd == hWndTarget ? "target " : "- "; };
    auto state = [&] {
        return std::string(dlg.m_bTracking ? "drag " : "idle ") + (GetCapture() == main.m_hWnd ? "captured " : "") +
               name(dlg.m_hWndFramed) + name(dlg.m_hWndPointed) + QueryWindowText(dlg.m_hWndInfoTitle) + " " +
               main.Controls({IDOK, IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT, IDC_DRAW_INVERTED_FRAME,
                              IDC_COPY_TO_CLIPBOARD});
    };
    auto finderIcon = [&] {
        return IconPixels((HICON)SendMessageA(main.Item(IDC_FINDER_ICON), STM_GETIMAGE, IMAGE_ICON, 0));
    };
    const std::vector<DWORD> full = ResourceIconPixels(IDI_FINDER_FULL, 32),
                             empty = ResourceIconPixels(IDI_FINDER_EMPTY, 32);
    RECT rcButton;
    GetWindowRect(hWndButton, &rcButton);
    std::vector<COLORREF> buttonRow; // once the button shows on the white window
    WaitUntil(
        [&] {
            buttonRow = ScreenRow(rcButton, false);
            return buttonRow != std::vector<COLORREF>(buttonRow.size(), 0xFFFFFF);
        },
        2000);

    // Outside a drag, moves and releases do nothing; presses on the icon's right and bottom edges start none.
    send(WM_MOUSEMOVE, over(hWndButton));
    send(WM_LBUTTONUP, over(hWndButton));
    send(WM_LBUTTONDOWN, POINT{rcIcon.right, rcIcon.top});
    send(WM_LBUTTONDOWN, POINT{rcIcon.left, rcIcon.bottom});
    EXPECT_TRUE(state() == "idle - -  + +x +x - -" && finderIcon() == full && full != empty) << state();
    send(WM_LBUTTONDBLCLK, POINT{rcIcon.left, rcIcon.bottom - 1}); // a double-click starts one too
    EXPECT_EQ(state(), "drag captured - -  - -x -x - -");
    // The dialog keeps the keyboard (or hands it to a control), so that Escape and Enter still reach it.
    HWND hWndFocus = GetFocus();
    EXPECT_TRUE((hWndFocus == main.m_hWnd || IsChild(main.m_hWnd, hWndFocus)) && IsWindowEnabled(hWndFocus));
    EXPECT_TRUE(finderIcon() == empty && GetCursor() == dlg.m_hFinderCursor);
    SendMessageA(main.m_hWnd, WM_COMMAND, IDOK, 0); // Enter: only the simple beep
    EXPECT_TRUE(GetFocus() == hWndFocus && spy.m_sounds.empty() && spy.m_beeps == std::vector<UINT>{0xFFFFFFFF});
    send(WM_MOUSEMOVE, over(hWndButton));
    EXPECT_EQ(state(), "drag captured button button Bouton - -x -x - +");
    // Wine shows what is drawn on a window of its own process a moment later.
    EXPECT_TRUE(WaitUntil([&] { return ScreenRow(rcButton, true) == buttonRow; }, 2000)) << "the button's band";
    send(WM_MOUSEMOVE, over(hWndTarget));
    EXPECT_EQ(state(), "drag captured target target  - -x -x - +");
    EXPECT_TRUE(WaitUntil([&] { return ScreenRow(rcButton, false) == buttonRow; }, 2000)) << "its band erased";
    send(WM_LBUTTONUP, over(hWndButton));
    EXPECT_EQ(state(), "idle - button Bouton + +x +x + +");
    EXPECT_EQ(GetFocus(), main.Item(IDOK));

    // Another window taking the capture ends the drag; the panel keeps the button.
    send(WM_LBUTTONDOWN, ptIcon);
    send(WM_MOUSEMOVE, over(hWndButton));
    SetCapture(hWndTarget);
    ReleaseCapture();
    EXPECT_EQ(state(), "idle - button Bouton + +x +x + +");
    // Escape, and a release over the dialog itself, leave the panel empty.
    for (bool bEscape : {true, false}) {
        send(WM_LBUTTONDOWN, ptIcon);
        send(WM_MOUSEMOVE, over(hWndButton));
        EXPECT_EQ(state(), "drag captured button button Bouton - -x -x - +");
        if (bEscape)
            SendMessageA(main.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        else
            send(WM_LBUTTONUP, POINT{10, 10});
        EXPECT_EQ(state(), "idle - -  + +x +x + -") << bEscape;
        EXPECT_TRUE(finderIcon() == full && IsWindowVisible(main.m_hWnd) && GetFocus() == main.Item(IDOK));
    }
    EXPECT_TRUE(spy.m_sounds.empty() && spy.m_beeps == std::vector<UINT>{0xFFFFFFFF});
}
