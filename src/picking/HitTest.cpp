// Hit-testing by geometry, level by level, below the top-level window that the
// system sees at a point.
#include "picking/HitTest.h"

#include "picking/ClientRect.h"

static const char s_szButtonClass[] = "Button";

// A button with any of the three lowest style bits set (group boxes, check
// boxes, radio buttons and the like) stays taken but lets the windows
// enumerated after it replace it: a group box's rectangle covers the controls
// placed in it, and must not hide them.
static bool LetsLaterWindowsReplaceIt(HWND hwnd)
{
    char szClass[257] = "";
    if (!GetClassNameA(hwnd, szClass, sizeof szClass))
        return false;
    return lstrcmpiA(szClass, s_szButtonClass) == 0 && (GetWindowLongA(hwnd, GWL_STYLE) & 7) != 0;
}

BOOL CALLBACK ChildHitProc(HWND hwnd, LPARAM lParam)
{
    ChildHitSearch *pSearch = (ChildHitSearch *)lParam;
    if (!IsWindowVisible(hwnd))
        return TRUE;

    RECT rcWindow = {0, 0, 0, 0};
    GetWindowRect(hwnd, &rcWindow);
    ScreenRectToClient(pSearch->m_hWndCurrent, &rcWindow);

    // Only the part inside the searched window's client area can be hit.
    RECT rcHit = {0, 0, 0, 0};
    IntersectRect(&rcHit, &rcWindow, &pSearch->m_rcClip);
    if (!PtInRect(&rcHit, pSearch->m_ptPoint))
        return TRUE;

    pSearch->m_hWndFound = hwnd;
    return LetsLaterWindowsReplaceIt(hwnd) ? TRUE : FALSE;
}

HWND FindWindowAtPoint(int x, int y)
{
    POINT ptScreen = {x, y};
    HWND hWndSystem = WindowFromPoint(ptScreen);
    if (!hWndSystem)
        return NULL;
    // The system's own answer skips disabled and transparent controls, so only
    // its top-level window is trusted.
    HWND hWndCurrent = GetAncestor(hWndSystem, GA_ROOT);
    if (!hWndCurrent)
        return NULL;

    for (;;) {
        ChildHitSearch search;
        search.m_hWndFound = NULL;
        SetRect(&search.m_rcClip, 0, 0, 1, 1);
        search.m_ptPoint = ptScreen;
        ScreenToClient(hWndCurrent, &search.m_ptPoint);
        search.m_hWndCurrent = hWndCurrent;
        GetClientRect(hWndCurrent, &search.m_rcClip);
        EnumChildWindows(hWndCurrent, ChildHitProc, (LPARAM)&search);
        if (!search.m_hWndFound)
            return hWndCurrent;
        hWndCurrent = search.m_hWndFound;
    }
}
