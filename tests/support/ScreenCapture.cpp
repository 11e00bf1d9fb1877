// Screen captures through the screen's device context, and their comparison.
#include "support/ScreenCapture.h"

#include <stdio.h>

#include <algorithm>

DWORD ScreenImage::Pixel(int x, int y) const
{
    return m_pixels[(size_t)(y - m_rc.top) * (m_rc.right - m_rc.left) + (x - m_rc.left)];
}

// Copies the screen rectangle into a top-down 32-bit DIB section, whose
// pixels read as 0xXXRRGGBB.
static bool CopyScreenInto(const RECT &rc, std::vector<DWORD> *pPixels)
{
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    HDC hdcScreen = GetDC(NULL);
    HDC hdcMemory = CreateCompatibleDC(hdcScreen);
    void *pBits = NULL;
    HBITMAP hBitmap = CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    bool bCopied = false;
    if (hdcMemory && hBitmap) {
        HGDIOBJ hOld = SelectObject(hdcMemory, hBitmap);
        bCopied = BitBlt(hdcMemory, 0, 0, cx, cy, hdcScreen, rc.left, rc.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(hdcMemory, hOld);
    }
    if (bCopied) {
        const DWORD *pSource = (const DWORD *)pBits;
        pPixels->resize((size_t)cx * cy);
        for (size_t i = 0; i < pPixels->size(); i++)
            (*pPixels)[i] = pSource[i] & 0xFFFFFF;
    }
    if (hBitmap)
        DeleteObject(hBitmap);
    if (hdcMemory)
        DeleteDC(hdcMemory);
    ReleaseDC(NULL, hdcScreen);
    return bCopied;
}

ScreenImage CaptureScreen(const RECT &rc)
{
    ScreenImage image = {};
    if (rc.right > rc.left && rc.bottom > rc.top && CopyScreenInto(rc, &image.m_pixels))
        image.m_rc = rc;
    return image;
}

static bool SameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

size_t CountDifferentPixels(const ScreenImage &before, const ScreenImage &after)
{
    if (!SameRect(before.m_rc, after.m_rc))
        return std::max(before.m_pixels.size(), after.m_pixels.size());
    size_t nDifferent = 0;
    for (size_t i = 0; i < before.m_pixels.size(); i++)
        nDifferent += before.m_pixels[i] != after.m_pixels[i];
    return nDifferent;
}

// Where a pixel lies with respect to the band along the inside of a rectangle.
enum BandPlace { OUTSIDE_RECTANGLE, IN_BAND, INSIDE_BAND };
static const char *const s_pszBandPlaces[] = {"outside the rectangle", "in the band", "inside the band"};

static BandPlace PlaceOf(const RECT &rc, int x, int y)
{
    POINT pt = {x, y};
    if (!PtInRect(&rc, pt))
        return OUTSIDE_RECTANGLE;
    int nDepth = std::min(std::min(x - rc.left, rc.right - 1 - x), std::min(y - rc.top, rc.bottom - 1 - y));
    return nDepth < 3 ? IN_BAND : INSIDE_BAND;
}

static std::string RectText(const RECT &rc)
{
    char szText[80];
    snprintf(szText, sizeof(szText), "(%ld, %ld)-(%ld, %ld)", rc.left, rc.top, rc.right, rc.bottom);
    return szText;
}

std::string CheckInvertedBand(const ScreenImage &before, const ScreenImage &after, const RECT &rcBand)
{
    if (before.m_pixels.empty() || !SameRect(before.m_rc, after.m_rc))
        return "the captures " + RectText(before.m_rc) + " and " + RectText(after.m_rc) +
               " are not of one non-empty rectangle";
    for (int y = before.m_rc.top; y < before.m_rc.bottom; y++) {
        for (int x = before.m_rc.left; x < before.m_rc.right; x++) {
            BandPlace place = PlaceOf(rcBand, x, y);
            DWORD dwBefore = before.Pixel(x, y), dwAfter = after.Pixel(x, y);
            DWORD dwExpected = place == IN_BAND ? ~dwBefore & 0xFFFFFF : dwBefore;
            if (dwAfter != dwExpected) {
                char szText[200];
                snprintf(szText, sizeof(szText), "pixel (%d, %d) %s of %s was 0x%06lX, is 0x%06lX, expected 0x%06lX", x,
                         y, s_pszBandPlaces[place], RectText(rcBand).c_str(), dwBefore, dwAfter, dwExpected);
                return szText;
            }
        }
    }
    return std::string();
}
