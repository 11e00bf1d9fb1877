// Screen captures through the screen's device context.
#include "support/ScreenCapture.h"

// Copies the screen rectangle into a top-down 32-bit DIB section, whose
// pixels read as 0xXXRRGGBB.
ScreenImage CaptureScreen(const RECT &rc)
{
    ScreenImage image = {};
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC hdcScreen = GetDC(NULL);
    HDC hdcMemory = CreateCompatibleDC(hdcScreen);
    DWORD *pBits = NULL;
    HBITMAP hBitmap =
        cx > 0 && cy > 0 ? CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, (void **)&pBits, NULL, 0) : NULL;
    if (hBitmap) {
        HGDIOBJ hOld = SelectObject(hdcMemory, hBitmap);
        if (BitBlt(hdcMemory, 0, 0, cx, cy, hdcScreen, rc.left, rc.top, SRCCOPY)) {
            GdiFlush();
            image.m_rc = rc;
            for (int i = 0; i < cx * cy; i++)
                image.m_pixels.push_back(pBits[i] & 0xFFFFFF);
        }
        SelectObject(hdcMemory, hOld);
        DeleteObject(hBitmap);
    }
    DeleteDC(hdcMemory);
    ReleaseDC(NULL, hdcScreen);
    return image;
}
