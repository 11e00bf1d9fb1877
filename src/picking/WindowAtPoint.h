// Finding the window under a screen point during a finder drag: the system
// names only the top-level window there; its descendants are searched here,
// so that disabled controls and controls that let the mouse through are found.
#pragma once

#include <windows.h>

// What one level of the search hands to ChildHitProc; reset at every level.
struct ChildHitSearch {
    POINT m_ptPoint;    // the searched pixel, in client coordinates of m_hWndCurrent
    HWND m_hWndCurrent; // the window whose descendants are searched at this level
    RECT m_rcClip;      // client rectangle of m_hWndCurrent; (0, 0, 1, 1) when unreadable
    HWND m_hWndFound;   // the window taken at this level, or null
};

// The deepest visible window at the screen point (x, y), or null when there is
// none. The program's own dialog is not excluded. Windows vanish at any time:
// check the result with IsWindow before use.
HWND FindWindowAtPoint(int x, int y);

// EnumChildWindows callback of one search level, for a level whose tree
// changed while it was walked; lParam is its ChildHitSearch.
BOOL CALLBACK ChildHitProc(HWND hwnd, LPARAM lParam);
