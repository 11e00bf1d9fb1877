// The inverted band on a memory bitmap whose pixels are read back, the
// geometry of the band for top-level windows and controls, and the refusals
// of the frame operations.
#include "picking/InvertedFrame.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

// A 32-bit memory bitmap painted with a pattern in which neighbouring pixels
// differ, so that any inverted pixel is seen.
class PixelCanvas {
public:
    PixelCanvas(int cx, int cy) : m_cx(cx), m_cy(cy), m_pBits(NULL)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy; // top-down: row y is at m_pBits + y * cx
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hdc = CreateCompatibleDC(NULL);
        m_hBitmap = CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS, (void **)&m_pBits, NULL, 0);
        m_hBitmapKept = SelectObject(m_hdc, m_hBitmap);
        for (int y = 0; y < cy; y++)
            for (int x = 0; x < cx; x++)
                m_pBits[y * cx + x] = Pattern(x, y);
    }
    ~PixelCanvas()
    {
        SelectObject(m_hdc, m_hBitmapKept);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hdc);
    }

    static DWORD Pattern(int x, int y)
    {
        return (DWORD)(x * 0x010305 + y * 0x070B0D) & 0xFFFFFF;
    }
    bool IsInverted(int x, int y) const
    {
        return (m_pBits[y * m_cx + x] & 0xFFFFFF) == (~Pattern(x, y) & 0xFFFFFF);
    }
    bool IsUntouched(int x, int y) const
    {
        return (m_pBits[y * m_cx + x] & 0xFFFFFF) == Pattern(x, y);
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
                if (bOnBand ? !IsInverted(x, y) : !IsUntouched(x, y))
                    return testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") should be " << (bOnBand ? "inverted" : "untouched");
            }
        return testing::AssertionSuccess();
    }

    int m_cx, m_cy;
    DWORD *m_pBits;
    HDC m_hdc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hBitmapKept;
};

TEST(InvertFrameBand, A100By50RectangleGetsThreeRowsAndColumnsAlongItsEdgesAndNothingInside)
{
    PixelCanvas canvas(120, 70);
    RECT rc = {10, 10, 110, 60};

    InvertFrameBand(&rc, canvas.m_hdc);

    EXPECT_TRUE(canvas.ShowsBandOf(rc));
    EXPECT_TRUE(canvas.IsInverted(10, 10) && canvas.IsInverted(109, 59) && canvas.IsInverted(12, 13 + 43));
    EXPECT_TRUE(canvas.IsUntouched(13, 13) && canvas.IsUntouched(106, 56));
}

TEST(InvertFrameBand, EveryPixelOfTheBandIsInvertedExactlyOnceWhateverTheSize)
{
    // Two lines falling on the same pixel would leave it as it was.
    for (int cy = 0; cy <= 14; cy++)
        for (int cx = 0; cx <= 14; cx++) {
            PixelCanvas canvas(20, 20);
            RECT rc = {2, 3, 2 + cx, 3 + cy};
            InvertFrameBand(&rc, canvas.m_hdc);
            ASSERT_TRUE(canvas.ShowsBandOf(rc)) << cx << " x " << cy;
        }
}

TEST(InvertFrameBand, ARectangle5PixelsHighOr4PixelsWideIsInvertedWhole)
{
    PixelCanvas flat(80, 20), narrow(20, 60);
    RECT rcFlat = {5, 5, 65, 10}, rcNarrow = {5, 5, 9, 45};

    InvertFrameBand(&rcFlat, flat.m_hdc);
    InvertFrameBand(&rcNarrow, narrow.m_hdc);

    for (int y = 5; y < 10; y++)
        for (int x = 5; x < 65; x++)
            ASSERT_TRUE(flat.IsInverted(x, y)) << x << ", " << y;
    for (int y = 5; y < 45; y++)
        for (int x = 5; x < 9; x++)
            ASSERT_TRUE(narrow.IsInverted(x, y)) << x << ", " << y;
    EXPECT_TRUE(flat.ShowsBandOf(rcFlat));
    EXPECT_TRUE(narrow.ShowsBandOf(rcNarrow));
}

TEST(InvertFrameBand, AnEmptyOrReversedRectangleDrawsNothing)
{
    PixelCanvas canvas(40, 40);
    RECT arc[] = {{5, 5, 5, 30}, {5, 5, 30, 5}, {30, 5, 5, 30}, {5, 30, 30, 5}};

    for (const RECT &rc : arc)
        InvertFrameBand(&rc, canvas.m_hdc);

    RECT rcNone = {0, 0, 0, 0};
    EXPECT_TRUE(canvas.ShowsBandOf(rcNone));
}

TEST(InvertFrameBand, DrawingTheBandTwiceRestoresEveryPixel)
{
    PixelCanvas canvas(120, 70);
    RECT rc = {10, 10, 110, 60};

    InvertFrameBand(&rc, canvas.m_hdc);
    InvertFrameBand(&rc, canvas.m_hdc);

    RECT rcNone = {0, 0, 0, 0};
    EXPECT_TRUE(canvas.ShowsBandOf(rcNone));
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
    EXPECT_EQ(pt.x, 7);
    EXPECT_EQ(pt.y, 9);
    SelectObject(canvas.m_hdc, GetStockObject(BLACK_PEN));
    DeleteObject(hPen);
}

static bool SameRect(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b) != FALSE;
}

TEST(GetFrameGeometry, ATopLevelWindowIsOutlinedInsideItsOwnClientArea)
{
    WindowHolder host(CreateTopLevel(WS_POPUP | WS_BORDER, 0, 100, 100, 300, 200));
    RECT rcClient, rc;
    GetClientRect(host, &rcClient);
    ASSERT_LT(rcClient.right, 300);

    EXPECT_EQ(GetFrameGeometry(host, &rc), host.m_hWnd);
    EXPECT_TRUE(SameRect(rc, rcClient));
}

TEST(GetFrameGeometry, AControlIsOutlinedAlongItsOuterEdgeOnItsTopLevelWindow)
{
    WindowHolder host(CreateTopLevel(WS_POPUP, 0, 100, 100, 300, 200));
    HWND hWndPanel = CreateControl(host, "Static", WS_VISIBLE, 10, 15, 200, 150);
    HWND hWndEdit = CreateControl(hWndPanel, "Edit", WS_VISIBLE | WS_BORDER, 20, 30, 75, 23);
    RECT rc;

    EXPECT_EQ(GetFrameGeometry(hWndEdit, &rc), host.m_hWnd);
    RECT rcExpected = {30, 45, 105, 68};
    EXPECT_TRUE(SameRect(rc, rcExpected)) << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom;
}

TEST(GetFrameGeometry, AChildWindowWithThePopupStyleIsItsOwnSurface)
{
    WindowHolder host(CreateTopLevel(WS_POPUP, 0, 100, 100, 300, 200));
    HWND hWndChild = CreateControl(host, "Static", WS_VISIBLE, 10, 10, 80, 40);
    SetWindowLongA(hWndChild, GWL_STYLE, GetWindowLongA(hWndChild, GWL_STYLE) | WS_POPUP);
    ASSERT_EQ(GetWindowLongA(hWndChild, GWL_STYLE) & (WS_CHILD | WS_POPUP), WS_CHILD | WS_POPUP);
    RECT rc;

    EXPECT_EQ(GetFrameGeometry(hWndChild, &rc), hWndChild);
    RECT rcExpected = {0, 0, 80, 40};
    EXPECT_TRUE(SameRect(rc, rcExpected));
}

TEST(GetFrameGeometry, AVanishedWindowHasNoSurfaceAndAZeroRectangle)
{
    HWND hWnd = CreateTopLevel(WS_POPUP, 0, 100, 100, 300, 200);
    DestroyWindow(hWnd);
    RECT rc = {1, 2, 3, 4};

    EXPECT_EQ(GetFrameGeometry(hWnd, &rc), (HWND)NULL);
    RECT rcZero = {0, 0, 0, 0};
    EXPECT_TRUE(SameRect(rc, rcZero));
}

TEST(DrawFrame, NothingIsDrawnOverTheProgramsOwnDialogOrItsControls)
{
    MainDialog main;
    ZLBR_DlgZelbrant &dlg = main.m_dlg;

    EXPECT_FALSE(dlg.DrawFrame(main.m_hWnd));
    EXPECT_FALSE(dlg.DrawFrame(dlg.m_hWndInfoTitle));
    EXPECT_FALSE(dlg.DrawFrame(GetDlgItem(main.m_hWnd, IDC_LABEL_RECT)));
    EXPECT_FALSE(dlg.DrawFrame(NULL));
    EXPECT_EQ(dlg.m_hWndFramed, (HWND)NULL);
}

// Reads a pixel of a window's client area as it is on the screen.
static COLORREF ClientPixel(HWND hWnd, int x, int y)
{
    HDC hdc = GetDC(hWnd);
    COLORREF cr = GetPixel(hdc, x, y);
    ReleaseDC(hWnd, hdc);
    return cr;
}

TEST(DrawFrame, AControlIsOutlinedOnItsWindowAndErasingRestoresTheScreen)
{
    WindowHolder host(CreateTopLevel(WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, 700, 500, 300, 200));
    HWND hWndPanel = CreateControl(host, "Static", WS_VISIBLE, 40, 40, 100, 60);
    UpdateWindow(host);
    PumpMessages();
    COLORREF crEdge = ClientPixel(host, 41, 41), crInside = ClientPixel(host, 45, 45);
    COLORREF crOutside = ClientPixel(host, 38, 38);
    ZLBR_DlgZelbrant dlg(NULL);

    ASSERT_TRUE(dlg.DrawFrame(hWndPanel));
    EXPECT_EQ(dlg.m_hWndFramed, hWndPanel);
    EXPECT_EQ(ClientPixel(host, 41, 41), crEdge ^ 0xFFFFFF);
    EXPECT_EQ(ClientPixel(host, 45, 45), crInside);
    EXPECT_EQ(ClientPixel(host, 38, 38), crOutside);
    EXPECT_TRUE(dlg.EraseFrame());
    EXPECT_EQ(dlg.m_hWndFramed, (HWND)NULL);
    EXPECT_EQ(ClientPixel(host, 41, 41), crEdge);
}

TEST(EraseFrame, AWindowDestroyedWhileOutlinedIsNotDrawnAgainAndIsForgotten)
{
    ZLBR_DlgZelbrant dlg(NULL);
    HWND hWnd = CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 500, 100, 80);
    ASSERT_TRUE(dlg.DrawFrame(hWnd));
    DestroyWindow(hWnd);

    EXPECT_FALSE(dlg.EraseFrame());
    EXPECT_EQ(dlg.m_hWndFramed, (HWND)NULL);
    EXPECT_FALSE(dlg.EraseFrame());
}
