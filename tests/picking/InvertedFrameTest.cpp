// The inverted band on a memory bitmap whose pixels are read back, the
// geometry of the band for top-level windows and controls, and the refusals
// of the frame operations.
#include "picking/InvertedFrame.h"
#include "support/MainDialog.h"
#include "support/Rect.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <vector>

// A 32-bit memory bitmap painted with a pattern in which neighbouring pixels
// differ, so that any inverted pixel is seen.
class PixelCanvas {
public:
    PixelCanvas(int cx, int cy) : m_cx(cx), m_cy(cy), m_pBits(NULL), m_hdc(CreateCompatibleDC(NULL))
    {
        BITMAPINFO bmi = {};
        // Top-down: row y is at m_pBits + y * cx.
        bmi.bmiHeader = {sizeof bmi.bmiHeader, cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HBITMAP hBitmap = CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS, (void **)&m_pBits, NULL, 0);
        m_hBitmapKept = SelectObject(m_hdc, hBitmap);
        for (int i = 0; i < cx * cy; i++)
            m_pBits[i] = Pattern(i % cx, i / cx);
    }
    ~PixelCanvas()
    {
        DeleteObject(SelectObject(m_hdc, m_hBitmapKept));
        DeleteDC(m_hdc);
    }

    static DWORD Pattern(int x, int y)
    {
        return (DWORD)(x * 0x010305 + y * 0x070B0D) & 0xFFFFFF;
    }

    // Every pixel inverted exactly when it lies on the band of rc (within 3
    // pixels of one of its edges), every other pixel as it was. Describes the
    // first pixel that is wrong.
    testing::AssertionResult ShowsBandOf(const RECT &rc) const
    {
        for (int y = 0; y < m_cy; y++)
            for (int x = 0; x < m_cx; x++) {
                bool bInside = x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
                bool bOnBand =
                    bInside && (x - rc.left < 3 || rc.right - 1 - x < 3 || y - rc.top < 3 || rc.bottom - 1 - y < 3);
                if ((m_pBits[y * m_cx + x] & 0xFFFFFF) != (bOnBand ? ~Pattern(x, y) & 0xFFFFFF : Pattern(x, y)))
                    return testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") should be " << (bOnBand ? "inverted" : "untouched");
            }
        return testing::AssertionSuccess();
    }

    int m_cx, m_cy;
    DWORD *m_pBits;
    HDC m_hdc;
    HGDIOBJ m_hBitmapKept;
};

TEST(InvertFrameBand, EveryBandPixelIsInvertedOnceNothingElseAndASecondDrawingRestoresAll)
{
    // Two lines falling on the same pixel would leave it as it was. A 100 x 50
    // rectangle; 5 high and 4 wide, inverted whole; reversed ones, which draw
    // nothing; then every size from empty to wider and higher than the band.
    std::vector<RECT> rects = {{10, 10, 110, 60}, {5, 5, 65, 10}, {5, 5, 9, 45}, {30, 5, 5, 30}, {5, 30, 30, 5}};
    for (int cy = 0; cy <= 9; cy++)
        for (int cx = 0; cx <= 9; cx++)
            rects.push_back(RECT{2, 3, 2 + cx, 3 + cy});

    for (const RECT &rc : rects) {
        PixelCanvas canvas(120, 70);
        InvertFrameBand(&rc, canvas.m_hdc);
        ASSERT_TRUE(canvas.ShowsBandOf(rc)) << rc;
        InvertFrameBand(&rc, canvas.m_hdc);
        ASSERT_TRUE(canvas.ShowsBandOf(RECT{0, 0, 0, 0})) << "drawn twice: " << rc;
    }
}

TEST(InvertFrameBand, TheDeviceContextKeepsItsMixModePenAndCurrentPosition)
{
    PixelCanvas canvas(60, 60);
    HPEN hPen = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    SelectObject(canvas.m_hdc, hPen);
    SetROP2(canvas.m_hdc, R2_XORPEN);
    MoveToEx(canvas.m_hdc, 7, 9, NULL);
    RECT rc = {5, 5, 50, 50};

    InvertFrameBand(&rc, canvas.m_hdc);

    POINT pt;
    GetCurrentPositionEx(canvas.m_hdc, &pt);
    EXPECT_EQ(GetROP2(canvas.m_hdc), R2_XORPEN);
    EXPECT_EQ(GetCurrentObject(canvas.m_hdc, OBJ_PEN), (HGDIOBJ)hPen);
    EXPECT_TRUE(pt.x == 7 && pt.y == 9) << pt.x << ", " << pt.y;
    SelectObject(canvas.m_hdc, GetStockObject(BLACK_PEN));
    DeleteObject(hPen);
}

TEST(GetFrameGeometry, ATopLevelWindowIsOutlinedInsideItsClientAreaAndAControlAlongItsEdgeOnItsTopLevelWindow)
{
    WindowHolder host(CreateTopLevel(WS_POPUP | WS_BORDER, 0, 100, 100, 300, 200));
    HWND hWndPanel = CreateControl(host, "Static", WS_VISIBLE, 10, 15, 200, 150);
    HWND hWndEdit = CreateControl(hWndPanel, "Edit", WS_VISIBLE | WS_BORDER, 20, 30, 75, 23);
    // A style with WS_POPUP counts as no child, whatever WS_CHILD says.
    HWND hWndPopupChild = CreateControl(host, "Static", WS_VISIBLE, 10, 10, 80, 40);
    SetWindowLongA(hWndPopupChild, GWL_STYLE, GetWindowLongA(hWndPopupChild, GWL_STYLE) | WS_POPUP);
    HWND hWndGone = CreateTopLevel(WS_POPUP, 0, 100, 100, 300, 200);
    DestroyWindow(hWndGone);
    RECT rcHostClient;
    GetClientRect(host, &rcHostClient);
    ASSERT_LT(rcHostClient.right, 300) << "the window has no border";

    struct Case {
        HWND hWnd, hWndSurface;
        RECT rc;
    } cases[] = {{host, host, rcHostClient},
                 {hWndEdit, host, {30, 45, 105, 68}},
                 {hWndPopupChild, hWndPopupChild, {0, 0, 80, 40}},
                 {hWndGone, NULL, {0, 0, 0, 0}}};
    for (const Case &c : cases) {
        RECT rc = {1, 2, 3, 4};
        EXPECT_EQ(GetFrameGeometry(c.hWnd, &rc), c.hWndSurface) << (void *)c.hWnd;
        EXPECT_EQ(rc, c.rc) << (void *)c.hWnd;
    }
}

TEST(DrawFrame, NothingIsDrawnOverTheProgramsOwnDialogOrItsControls)
{
    MainDialog main;

    for (HWND hWnd : {main.m_hWnd, main.m_dlg.m_hWndInfoTitle, (HWND)NULL})
        EXPECT_FALSE(main.m_dlg.DrawFrame(hWnd)) << (void *)hWnd;
    EXPECT_EQ(main.m_dlg.m_hWndFramed, (HWND)NULL);
}

// Reads a pixel of a window's client area as it is on the screen.
static COLORREF ClientPixel(HWND hWnd, int x, int y)
{
    HDC hdc = GetDC(hWnd);
    COLORREF cr = GetPixel(hdc, x, y);
    ReleaseDC(hWnd, hdc);
    return cr;
}

TEST(DrawFrame, AControlIsOutlinedOnItsWindowErasingRestoresTheScreenAndADestroyedOneIsOnlyForgotten)
{
    WindowHolder host(CreateTopLevel(WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, 700, 500, 300, 200));
    HWND hWndPanel = CreateControl(host, "Static", WS_VISIBLE, 40, 40, 100, 60);
    UpdateWindow(host);
    PumpMessages();
    COLORREF crEdge = ClientPixel(host, 41, 41), crInside = ClientPixel(host, 45, 45);
    ZLBR_DlgZelbrant dlg(NULL);

    ASSERT_TRUE(dlg.DrawFrame(hWndPanel));
    EXPECT_EQ(dlg.m_hWndFramed, hWndPanel);
    EXPECT_EQ(ClientPixel(host, 41, 41), crEdge ^ 0xFFFFFF);
    EXPECT_EQ(ClientPixel(host, 45, 45), crInside);
    EXPECT_TRUE(dlg.EraseFrame());
    EXPECT_EQ(dlg.m_hWndFramed, (HWND)NULL);
    EXPECT_EQ(ClientPixel(host, 41, 41), crEdge);

    ASSERT_TRUE(dlg.DrawFrame(hWndPanel));
    DestroyWindow(hWndPanel);
    EXPECT_FALSE(dlg.EraseFrame()) << "a window destroyed while outlined";
    EXPECT_EQ(dlg.m_hWndFramed, (HWND)NULL);
}
