// The inverted frame that outlines the pointed window during a finder drag:
// a 3-pixel band inverted pixel by pixel on the screen, erased by inverting it
// again, so that nothing of the screen has to be saved.
#pragma once

#include <windows.h>

// The window whose client-area device context receives the band of hWnd: hWnd
// itself unless it is a child window, else its first ancestor that is not.
// *prc is the band's rectangle in that window's client coordinates (the client
// rectangle of a non-child window, the whole window rectangle of a child).
// Null, with *prc zeroed, when the window or its parent chain cannot be read.
HWND GetFrameGeometry(HWND hWnd, RECT *prc);

// Inverts, exactly once per pixel, the 3-pixel band along the inside of *prc;
// every device-context setting it changes is restored.
void InvertFrameBand(const RECT *prc, HDC hdc);
