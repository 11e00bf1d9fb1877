// Rectangles between screen and client coordinates, shared by the hit-test,
// the inverted frame and the information panel.
#pragma once

#include <windows.h>

// Converts a rectangle in screen coordinates into the client coordinates of
// hWnd, corner by corner.
void ScreenRectToClient(HWND hWnd, RECT *prc);
