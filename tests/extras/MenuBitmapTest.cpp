// The menu pictures: the alpha blend, the pixel buffer's sizes, and icons
// turned into opaque bitmaps.
#include "app/Resources.h"
#include "extras/MenuBitmap.h"
#include "extras/PixelBuffer.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <vector>

// A 32-bit bitmap's pixels, rows from the top.
static std::vector<DWORD> TopDownPixels(HBITMAP hbm, int cx, int cy)
{
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<DWORD> pixels(cx * cy);
    HDC hdc = GetDC(NULL);
    EXPECT_EQ(GetDIBits(hdc, hbm, 0, cy, pixels.data(), &bmi, DIB_RGB_COLORS), cy);
    ReleaseDC(NULL, hdc);
    return pixels;
}

TEST(PixelBuffer, EachSourcePixelIsBlendedOverItsBackgroundRoundedToNearest)
{
    // Source over background gives result, 0xAARRGGBB; the third column has no source.
    const DWORD cases[4][3] = {{0x00123456, 0xFFF0F0F0, 0xFFF0F0F0},
                               {0xFF123456, 0xFFF0F0F0, 0xFF123456},
                               {0x80FF0000, 0xFFF0F0F0, 0xFFF87878},
                               {0x40000000, 0xFFD4D0C8, 0xFF9F9C96}};
    PixelBuffer source, destination;
    ASSERT_TRUE(source.Resize(2, 2, false, 0));
    ASSERT_TRUE(destination.Resize(2, 3, true, 0xFF010203));
    for (int i = 0; i < 4; i++) {
        source.At(i % 2, i / 2) = cases[i][0];
        destination.At(i % 2, i / 2) = cases[i][1];
    }
    destination.BlendOver(source, 2, 2);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(destination.At(i % 2, i / 2), cases[i][2]) << "case " << i;
    EXPECT_EQ(destination.At(2, 0), 0xFF010203u);
    EXPECT_EQ(destination.At(2, 1), 0xFF010203u);
}

TEST(PixelBuffer, ResizeToTheSameByteSizeKeepsThePixelsAndASideOfZeroOrLessEmptiesIt)
{
    PixelBuffer buffer;
    ASSERT_TRUE(buffer.Resize(2, 3, true, 0xFF102030));
    buffer.m_pPixels[2] = 0xFFABCDEF;
    ASSERT_TRUE(buffer.Resize(3, 2, false, 0));
    EXPECT_EQ(std::vector<DWORD>(buffer.m_pPixels, buffer.m_pPixels + 6),
              (std::vector<DWORD>{0xFF102030, 0xFF102030, 0xFFABCDEF, 0xFF102030, 0xFF102030, 0xFF102030}));
    EXPECT_EQ(buffer.m_bmi.bmiHeader.biWidth, 2);
    EXPECT_EQ(buffer.m_bmi.bmiHeader.biHeight, 3);

    for (int nSide : {0, -1}) {
        ASSERT_TRUE(buffer.Resize(4, 4, true, 0));
        EXPECT_TRUE(buffer.Resize(nSide, 4, true, 0));
        EXPECT_TRUE(!buffer.m_pPixels && !buffer.m_cbPixels && !buffer.m_nWidth && !buffer.m_nHeight) << nSide;
    }
}

TEST(MenuBitmap, AnIconWithoutColourBitmapGivesNothing)
{
    BYTE andBits[32], xorBits[32] = {};
    memset(andBits, 0xFF, sizeof(andBits));
    HICON hIcon = CreateIcon(NULL, 16, 16, 1, 1, andBits, xorBits);
    ASSERT_TRUE(hIcon);
    EXPECT_EQ(CreateMenuBitmapFromIcon(hIcon, 0xFFF0F0F0), (HBITMAP)NULL);
    DestroyIcon(hIcon);
}

TEST(MenuBitmap, TheProgramsIconComesOutOpaqueOverTheMenuColour)
{
    const DWORD dwBackground = 0xFF204080;
    HICON hIcon = LoadIconImage(IDI_SAVE, 16, 16);
    ICONINFO ii;
    ASSERT_TRUE(GetIconInfo(hIcon, &ii));
    std::vector<DWORD> icon = TopDownPixels(ii.hbmColor, 16, 16);
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);

    HBITMAP hbm = CreateMenuBitmapFromIcon(hIcon, dwBackground);
    DestroyIcon(hIcon);
    ASSERT_TRUE(hbm);
    BITMAP bm;
    ASSERT_TRUE(GetObjectA(hbm, sizeof(bm), &bm));
    EXPECT_EQ(bm.bmWidth, 16);
    EXPECT_EQ(bm.bmHeight, 16);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    std::vector<DWORD> menu = TopDownPixels(hbm, 16, 16);
    DeleteObject(hbm);

    // Clear pixels show the background, opaque ones the icon, and every
    // pixel is opaque; the icon has both kinds.
    int nKinds[2] = {};
    for (size_t i = 0; i < icon.size(); i++) {
        BYTE bAlpha = icon[i] >> 24;
        if (bAlpha == 0 || bAlpha == 0xFF)
            nKinds[bAlpha & 1]++;
        DWORD dwExpected = bAlpha == 0 ? dwBackground : bAlpha == 0xFF ? icon[i] : (menu[i] | 0xFF000000);
        EXPECT_EQ(menu[i], dwExpected) << "pixel " << i;
    }
    EXPECT_TRUE(nKinds[0] && nKinds[1]);
}
