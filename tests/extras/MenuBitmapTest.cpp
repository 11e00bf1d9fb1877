// The menu pictures: an icon's pixels blended over the menu colour into an opaque bitmap.
#include "extras/MenuBitmap.h"
#include "support/Support.h"

// Straight colours, rounded: clear, opaque, half and a quarter covering 0xF0 give 0xF0, 0xF8 and 0x78, 0xB4.
TEST(MenuBitmap, AnIconsPixelsComeOutOpaqueBlendedOverTheMenuColourRoundedToTheNearest)
{
    const DWORD adwIcon[4] = {0x00123456, 0xFF123456, 0x80FF0000, 0x40000000}; // 0xAARRGGBB, two rows top-down
    ICONINFO ii = {TRUE, 0, 0, CreateBitmap(2, 2, 1, 1, NULL), CreateBitmap(2, 2, 1, 32, adwIcon)};
    HICON hIcon = CreateIconIndirect(&ii);
    HBITMAP hbm = CreateMenuBitmapFromIcon(hIcon, 0xFFF0F0F0);
    std::vector<DWORD> menu(4);
    EXPECT_EQ(GetBitmapBits(hbm, 16, menu.data()), 16);
    EXPECT_EQ(menu, (std::vector<DWORD>{0xFFF0F0F0, 0xFF123456, 0xFFF87878, 0xFFB4B4B4}));
    for (HGDIOBJ hObject : {(HGDIOBJ)ii.hbmColor, (HGDIOBJ)ii.hbmMask, (HGDIOBJ)hbm})
        DeleteObject(hObject);
    DestroyIcon(hIcon);
}
