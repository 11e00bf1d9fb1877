// Conversion of an icon into a menu bitmap. Transparency comes from the
// colour bitmap's alpha channel alone; the mask is never read.
#include "extras/MenuBitmap.h"

#include "extras/PixelBuffer.h"

// The icon's pixels blended over the background into a new bitmap; null on
// any failure.
static HBITMAP BlendIconBitmap(HDC hdc, HBITMAP hbmColor, int nWidth, int nHeight, DWORD dwBackground)
{
    PixelBuffer source, destination;
    if (!source.Resize(nHeight, nWidth, false, 0) || !destination.Resize(nHeight, nWidth, true, dwBackground))
        return NULL;
    // A copy of the header, so that the buffer's own stays as it was set.
    BITMAPINFO bmi = source.m_bmi;
    if (GetDIBits(hdc, hbmColor, 0, nHeight, source.m_pPixels, &bmi, DIB_RGB_COLORS) != nHeight)
        return NULL;
    destination.BlendOver(source, nHeight, nWidth);

    HBITMAP hbmResult = CreateBitmap(nWidth, nHeight, 1, 32, NULL);
    if (!hbmResult)
        return NULL;
    if (!GdiFlush() ||
        SetDIBits(hdc, hbmResult, 0, nHeight, destination.m_pPixels, &destination.m_bmi, DIB_RGB_COLORS) != nHeight) {
        DeleteObject(hbmResult);
        return NULL;
    }
    return hbmResult;
}

HBITMAP CreateMenuBitmapFromIcon(HICON hIcon, DWORD dwBackground)
{
    ICONINFO ii;
    if (!GetIconInfo(hIcon, &ii))
        return NULL;
    // From here on both bitmaps of the icon are ours to delete.
    HBITMAP hbmResult = NULL;
    BITMAP bm;
    if (ii.hbmColor && GetObjectA(ii.hbmColor, sizeof(bm), &bm) == sizeof(bm)) {
        HDC hdc = CreateCompatibleDC(NULL);
        if (hdc) {
            hbmResult = BlendIconBitmap(hdc, ii.hbmColor, bm.bmWidth, bm.bmHeight, dwBackground);
            DeleteDC(hdc);
        }
    }
    if (ii.hbmColor)
        DeleteObject(ii.hbmColor);
    if (ii.hbmMask)
        DeleteObject(ii.hbmMask);
    return hbmResult;
}
