// The menu pictures: the pixel buffer's blend and sizes, and icons turned
// into opaque bitmaps.
#include "app/Resources.h"
#include "extras/MenuBitmap.h"
#include "extras/PixelBuffer.h"
#include "res/resource.h"
#include "support/Support.h"

#include <gtest/gtest.h>

TEST(PixelBuffer, BlendsRoundingToNearestAndKeepsItsPixelsWhenResizedToTheSameByteSize)
{
    // Source over background gives result, 0xAARRGGBB, at (i % 2, i / 2); column 2 has no source.
    const DWORD cases[4][3] = {{0x00123456, 0xFFF0F0F0, 0xFFF0F0F0},
                               {0xFF123456, 0xFFF0F0F0, 0xFF123456},
                               {0x80FF0000, 0xFFF0F0F0, 0xFFF87878},
                               {0x40000000, 0xFFD4D0C8, 0xFF9F9C96}};
    PixelBuffer source, buffer;
    ASSERT_TRUE(source.Resize(2, 2, false, 0) && buffer.Resize(2, 3, true, 0xFF010203));
    for (int i = 0; i < 4; i++) {
        source.At(i % 2, i / 2) = cases[i][0];
        buffer.At(i % 2, i / 2) = cases[i][1];
    }
    buffer.BlendOver(source, 2, 2);
    ASSERT_TRUE(buffer.Resize(3, 2, false, 0)); // 3 x 2 pixels become 2 x 3, stored as they were
    EXPECT_EQ(std::vector<DWORD>(buffer.m_pPixels, buffer.m_pPixels + 6),
              (std::vector<DWORD>{cases[2][2], cases[3][2], 0xFF010203, cases[0][2], cases[1][2], 0xFF010203}));
    EXPECT_TRUE(buffer.m_bmi.bmiHeader.biWidth == 2 && buffer.m_bmi.bmiHeader.biHeight == 3);
    for (int nSide : {0, -1}) {
        EXPECT_TRUE(buffer.Resize(nSide, 4, true, 0) && source.Resize(4, nSide, true, 0));
        EXPECT_TRUE(!buffer.m_pPixels && !buffer.m_cbPixels && !buffer.m_nWidth && !source.m_nHeight) << nSide;
    }
}

// Clear pixels show the background, opaque ones the icon, and all are opaque;
// an icon without a colour bitmap gives none.
TEST(MenuBitmap, TheProgramsIconComesOutOpaqueOverTheMenuColourAndAMonochromeIconNotAtAll)
{
    BYTE bits[32] = {};
    HICON hMonochrome = CreateIcon(NULL, 16, 16, 1, 1, bits, bits), hIcon = LoadIconImage(IDI_SAVE, 16, 16);
    EXPECT_EQ(CreateMenuBitmapFromIcon(hMonochrome, 0xFFF0F0F0), (HBITMAP)NULL);
    ICONINFO ii;
    ASSERT_TRUE(GetIconInfo(hIcon, &ii));
    HBITMAP hbm = CreateMenuBitmapFromIcon(hIcon, 0xFF204080);
    std::vector<DWORD> icon(256), menu(256); // both 16 x 16, 32 bits a pixel
    EXPECT_TRUE(GetBitmapBits(ii.hbmColor, 1024, icon.data()) == 1024 && GetBitmapBits(hbm, 1024, menu.data()) == 1024);
    for (size_t i = 0; i < icon.size(); i++) {
        BYTE bAlpha = icon[i] >> 24;
        EXPECT_EQ(menu[i], bAlpha == 0 ? 0xFF204080 : bAlpha == 0xFF ? icon[i] : (menu[i] | 0xFF000000)) << i;
    }
    for (HGDIOBJ hObject : {(HGDIOBJ)ii.hbmColor, (HGDIOBJ)ii.hbmMask, (HGDIOBJ)hbm})
        DeleteObject(hObject);
    DestroyIcon(hIcon);
    DestroyIcon(hMonochrome);
}
