// Pictures of parts of the screen, whatever process drew them, and their
// comparison: how many pixels changed, and whether the changes are exactly
// an inverted band along the inside of a rectangle.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ScreenImage {
    // Colour 0x00RRGGBB of the screen pixel (x, y), which must lie in m_rc.
    DWORD Pixel(int x, int y) const;

    RECT m_rc;                   // in screen coordinates; empty when the capture failed
    std::vector<DWORD> m_pixels; // row by row from the top
};

ScreenImage CaptureScreen(const RECT &rc);

// Pixels that differ between two captures of the same rectangle; every pixel
// counts as different when the rectangles differ.
size_t CountDifferentPixels(const ScreenImage &before, const ScreenImage &after);

// Empty when, from before to after, exactly the pixels of a band 3 pixels
// wide along the inside of rcBand (screen coordinates) were inverted
// (after == ~before & 0xFFFFFF) and every other captured pixel stayed the
// same; otherwise a description of the first pixel that is wrong.
std::string CheckInvertedBand(const ScreenImage &before, const ScreenImage &after, const RECT &rcBand);
