// The inverted frame as the screen shows it, around a top-level window and
// controls, erased without a trace, and never over the program's own dialog.
#include "support/Support.h"

TEST(DrawFrame, OutlinesAWindowInsideItsClientAreaAControlAlongItsEdgeErasesBothAndNeverDrawsOverTheDialog)
{
    MainDialog main;
    for (HWND hWnd : {main.m_hWnd, main.m_dlg.m_hWndInfoTitle, (HWND)NULL})
        EXPECT_FALSE(main.m_dlg.DrawFrame(hWnd) || main.m_dlg.m_hWndFramed) << (void *)hWnd;
    ShowWindow(main.m_hWnd, SW_HIDE); // kept on top, it would cover the screen read below

    WindowHolder host(CreateTopLevel(WS_POPUP | WS_VISIBLE | WS_BORDER, WS_EX_TOPMOST, 700, 500, 300, 200));
    HWND hWndPanel = CreateControl(host, "Static", WS_VISIBLE, 40, 40, 100, 60);
    ChildProcess other; // its window laid out right to left holds an edit
    HWND hWndMirrored = ShowTreeInOtherProcess(other, 13);
    UpdateWindow(host);
    RedrawWindow(hWndMirrored, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessagesFor(0);
    ZLBR_DlgZelbrant dlg(NULL);
    for (HWND hWnd : {host.m_hWnd, hWndPanel, GetDlgItem(hWndMirrored, 1)}) {
        RECT rc;
        GetWindowRect(hWnd, &rc);
        if (hWnd == host) { // inside its border
            GetClientRect(hWnd, &rc);
            MapWindowPoints(hWnd, NULL, (POINT *)&rc, 2);
        }
        std::vector<COLORREF> screen = ScreenRow(rc, false);
        ASSERT_TRUE(dlg.DrawFrame(hWnd));
        // Wine shows what is drawn on a window of its own process a moment later.
        EXPECT_TRUE(dlg.m_hWndFramed == hWnd && WaitUntil([&] { return ScreenRow(rc, true) == screen; }, 2000));
        EXPECT_TRUE(dlg.EraseFrame() && !dlg.m_hWndFramed &&
                    WaitUntil([&] { return ScreenRow(rc, false) == screen; }, 2000));
    }
}
