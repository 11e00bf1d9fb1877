// Menu entries take bitmaps, not icons: an icon becomes an opaque bitmap in
// which its alpha channel is already applied over the menu's colour.
#pragma once

#include <windows.h>

// A new 32-bit bitmap of the icon blended over dwBackground (0xAARRGGBB), to
// be deleted by the caller; null on any failure. The icon stays the caller's.
HBITMAP CreateMenuBitmapFromIcon(HICON hIcon, DWORD dwBackground);
