// Pictures of parts of the screen, whatever process drew them.
#pragma once

#include <windows.h>

#include <vector>

struct ScreenImage {
    // Colour 0x00RRGGBB of the screen pixel (x, y), which must lie in m_rc.
    DWORD Pixel(int x, int y) const
    {
        return m_pixels[(size_t)(y - m_rc.top) * (m_rc.right - m_rc.left) + (x - m_rc.left)];
    }

    RECT m_rc;                   // in screen coordinates; empty when the capture failed
    std::vector<DWORD> m_pixels; // row by row from the top
};

ScreenImage CaptureScreen(const RECT &rc);
