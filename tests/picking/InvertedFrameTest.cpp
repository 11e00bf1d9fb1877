// The inverted band on a memory bitmap whose pixels are read back, the
// geometry of the band for top-level windows and controls, and the refusals
// of the frame operations.
#include "picking/InvertedFrame.h"
#include "support/Support.h"

#include <gtest/gtest.h>

#include <vector>

// A pattern in which neighbouring pixels differ, so that any inverted pixel is seen.
static DWORD Pattern(int x, int y)
{
    return (DWORD)(x * 0x010305 + y * 0x070B0D) & 0xFFFFFF;
}

// Every pixel inverted exactly when it lies within 3 pixels of an edge of rc
// (inside it), every other pixel as it was.
static testing::AssertionResult ShowsBandOf(const DWORD *pBits, int cx, int cy, const RECT &rc)
{
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++) {
            bool bOnBand = x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom &&
                           (x - rc.left < 3 || rc.right - 1 - x < 3 || y - rc.top < 3 || rc.bottom - 1 - y < 3);
            if ((pBits[y * cx + x] & 0xFFFFFF) != (bOnBand ? ~Pattern(x, y) & 0xFFFFFF : Pattern(x, y)))
                return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") of (" << rc.left << ", "
                                                   << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
        }
    return testing::AssertionSuccess();
}

TEST(InvertFrameBand, InvertsEveryBandPixelOnceAndNothingElseAndRestoresAllWhenDrawnTwice)
{
    // Two lines falling on the same pixel would leave it as it was. A 100 x 50
    // rectangle; 5 high and 4 wide, inverted whole; reversed ones, which draw
    // nothing; then every size from empty to wider and higher than the band.
    std::vector<RECT> rects = {{10, 10, 110, 60}, {5, 5, 65, 10}, {5, 5, 9, 45}, {30, 5, 5, 30}, {5, 30, 30, 5}};
    for (int cy = 0; cy <= 9; cy++)
        for (int cx = 0; cx <= 9; cx++)
            rects.push_back(RECT{2, 3, 2 + cx, 3 + cy});
    const int CX = 120, CY = 70;
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), CX, -CY, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC hdc = CreateCompatibleDC(NULL);
    DWORD *pBits = NULL;
    HGDIOBJ hBitmapKept = SelectObject(hdc, CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, (void **)&pBits, NULL, 0));

    for (const RECT &rc : rects) {
        for (int i = 0; i < CX * CY; i++)
            pBits[i] = Pattern(i % CX, i / CX);
        InvertFrameBand(&rc, hdc);
        GdiFlush();
        EXPECT_TRUE(ShowsBandOf(pBits, CX, CY, rc));
        InvertFrameBand(&rc, hdc);
        GdiFlush();
        EXPECT_TRUE(ShowsBandOf(pBits, CX, CY, RECT{0, 0, 0, 0})) << "drawn twice";
    }
    DeleteObject(SelectObject(hdc, hBitmapKept));
    DeleteDC(hdc);
}

TEST(GetFrameGeometry, ATopLevelWindowIsOutlinedInsideItsClientAreaAndAControlAlongItsEdgeOnItsTopLevelWindow)
{
    WindowHolder host(CreateTopLevel(WS_POPUP | WS_BORDER, 0, 100, 100, 300, 200));
    HWND hWndPanel = CreateControl(host, "Static", WS_VISIBLE, 10, 15, 200, 150);
    HWND hWndEdit = CreateControl(hWndPanel, "Edit", WS_VISIBLE | WS_BORDER, 20, 30, 75, 23);
    // A style with WS_POPUP counts as no child, whatever WS_CHILD says.
    HWND hWndPopupChild = CreateControl(host, "Static", WS_VISIBLE | WS_POPUP, 10, 10, 80, 40);
    HWND hWndGone = CreateTopLevel(WS_POPUP, 0, 100, 100, 300, 200);
    DestroyWindow(hWndGone);
    struct Case {
        HWND hWnd, hWndSurface;
        RECT rc;
    } cases[] = {{host, host, {0, 0, 298, 198}},
                 {hWndEdit, host, {30, 45, 105, 68}},
                 {hWndPopupChild, hWndPopupChild, {0, 0, 80, 40}},
                 {hWndGone, NULL, {0, 0, 0, 0}}};
    for (const Case &c : cases) {
        RECT rc = {1, 2, 3, 4};
        EXPECT_EQ(GetFrameGeometry(c.hWnd, &rc), c.hWndSurface) << (void *)c.hWnd;
        EXPECT_EQ(rc, c.rc) << (void *)c.hWnd;
    }
}

// The screen's row 10 pixels below the rectangle's top, from a pixel left of
// it to one right of it; banded, with the pixels of its band inverted back.
static std::vector<COLORREF> ScreenRow(const RECT &rc, bool bBanded)
{
    HDC hdc = GetDC(NULL);
    std::vector<COLORREF> row;
    for (int x = rc.left - 1; x <= rc.right; x++) {
        bool bBand = x >= rc.left && x < rc.right && (x < rc.left + 3 || x >= rc.right - 3);
        row.push_back(GetPixel(hdc, x, rc.top + 10) ^ (bBanded && bBand ? 0xFFFFFF : 0));
    }
    ReleaseDC(NULL, hdc);
    return row;
}

TEST(DrawFrame, OutlinesAControlOnItsWindowErasesItAndForgetsADestroyedOneButNeverDrawsOverTheDialog)
{
    MainDialog main;
    for (HWND hWnd : {main.m_hWnd, main.m_dlg.m_hWndInfoTitle, (HWND)NULL})
        EXPECT_FALSE(main.m_dlg.DrawFrame(hWnd) || main.m_dlg.m_hWndFramed) << (void *)hWnd;
    ShowWindow(main.m_hWnd, SW_HIDE); // kept on top, it would cover the screen read below

    WindowHolder host(CreateTopLevel(WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, 700, 500, 300, 200));
    HWND hWndPanel = CreateControl(host, "Static", WS_VISIBLE, 40, 40, 100, 60);
    ChildProcess other; // its window laid out right to left holds an edit
    HWND hWndMirrored = ShowTreeInOtherProcess(other, 13);
    UpdateWindow(host);
    RedrawWindow(hWndMirrored, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessagesFor(0);
    ZLBR_DlgZelbrant dlg(NULL);
    for (HWND hWnd : {hWndPanel, GetDlgItem(hWndMirrored, 1)}) {
        RECT rc;
        GetWindowRect(hWnd, &rc);
        std::vector<COLORREF> screen = ScreenRow(rc, false);
        ASSERT_TRUE(dlg.DrawFrame(hWnd));
        // Wine shows what is drawn on a window of its own process a moment later.
        EXPECT_TRUE(dlg.m_hWndFramed == hWnd && WaitUntil([&] { return ScreenRow(rc, true) == screen; }, 2000));
        EXPECT_TRUE(dlg.EraseFrame() && !dlg.m_hWndFramed &&
                    WaitUntil([&] { return ScreenRow(rc, false) == screen; }, 2000));
    }

    ASSERT_TRUE(dlg.DrawFrame(hWndPanel));
    DestroyWindow(hWndPanel);
    EXPECT_FALSE(dlg.EraseFrame() || dlg.m_hWndFramed) << "a window destroyed while outlined";
}
