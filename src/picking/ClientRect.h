// Rectangles between screen and client coordinates, shared by the hit-test,
// the inverted frame and the information panel.
#pragma once

#include <windows.h>

// Converts a rectangle in screen coordinates into the client coordinates of
// hWnd by its true extent: in a window laid out right to left too, its left
// edge is not past its right one.
void ScreenRectToClient(HWND hWnd, RECT *prc);
