// Hit-testing by geometry, level by level, below the top-level window that the
// system sees at a point.
#include "picking/WindowAtPoint.h"

#include "picking/ClientRect.h"
#include "app/WindowStyle.h"

#include <vector>

static const char s_szButtonClass[] = "Button";

// A session holds at most 65,536 window handles: a walk through more windows
// than that is going round in circles in a tree that changes under it.
static const int s_nMaxWalkSteps = 65536;
// Far deeper than windows nest: beyond it, the levels go round in circles in
// a tree whose windows change parents during the search.
static const int s_nMaxLevels = 256;

// A button with any of the three lowest style bits set (group boxes, check
// boxes, radio buttons and the like) stays taken but lets the windows
// enumerated after it replace it: a group box's rectangle covers the controls
// placed in it, and must not hide them. The class is read only when the style
// can matter: another program's window answers that through the window manager.
static bool LetsLaterWindowsReplaceIt(HWND hwnd, LONG lStyle)
{
    if ((lStyle & 7) == 0)
        return false;
    char szClass[257] = "";
    return GetClassNameA(hwnd, szClass, sizeof szClass) && lstrcmpiA(szClass, s_szButtonClass) == 0;
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
    return LetsLaterWindowsReplaceIt(hwnd, GetWindowLongA(hwnd, GWL_STYLE)) ? TRUE : FALSE;
}

// GetWindow that tells a window gone from a window without such a relative.
static bool GetRelative(HWND hWnd, UINT uCmd, HWND *phWndRelative)
{
    SetLastError(0);
    *phWndRelative = GetWindow(hWnd, uCmd);
    return *phWndRelative || GetLastError() == 0;
}

// The search of one level as ChildHitProc makes it over EnumChildWindows, in
// the same order (each window before its descendants, siblings from the top of
// the Z order down), with fewer questions per window: the point already lies
// in the level's client area, so a window holds it exactly when its screen
// rectangle does; only a window holding it, or having children, is asked for
// its style; a hidden window's subtree is skipped whole, since none of its
// windows is visible. hWnd is the level window's first child. False when the
// tree changed under the walk: a window vanished, the walk ran too long or
// left the level's window.
static bool WalkDescendants(ChildHitSearch *pSearch, POINT ptScreen, HWND hWnd)
{
    std::vector<HWND> ancestors; // those of hWnd below the level's window
    for (int nSteps = 0; hWnd; nSteps++) {
        RECT rcWindow;
        if (nSteps == s_nMaxWalkSteps || !GetWindowRect(hWnd, &rcWindow))
            return false;
        LONG lStyle = 0;
        bool bStyleRead = PtInRect(&rcWindow, ptScreen);
        if (bStyleRead) {
            if (!ReadWindowLong(hWnd, GWL_STYLE, &lStyle))
                return false;
            if (lStyle & WS_VISIBLE) {
                pSearch->m_hWndFound = hWnd;
                if (!LetsLaterWindowsReplaceIt(hWnd, lStyle))
                    break;
            }
        }
        HWND hWndNext;
        if (!GetRelative(hWnd, GW_CHILD, &hWndNext) ||
            (hWndNext && !bStyleRead && !ReadWindowLong(hWnd, GWL_STYLE, &lStyle)))
            return false;
        if (hWndNext && (lStyle & WS_VISIBLE)) {
            ancestors.push_back(hWnd);
            hWnd = hWndNext;
            continue;
        }
        // Past hWnd's subtree: its next sibling, or that of its nearest
        // ancestor that has one.
        for (;;) {
            if (!GetRelative(hWnd, GW_HWNDNEXT, &hWndNext))
                return false;
            if (hWndNext || ancestors.empty())
                break;
            hWnd = ancestors.back();
            ancestors.pop_back();
        }
        hWnd = hWndNext;
    }
    return !pSearch->m_hWndFound || IsChild(pSearch->m_hWndCurrent, pSearch->m_hWndFound);
}

// The pixel at the screen point in hWnd's client coordinates, mapped as the
// one-column rectangle it covers: in a right-to-left window, whose client x
// runs leftwards, the point alone would name the column left of the pixel.
static POINT ScreenPixelToClient(HWND hWnd, POINT ptScreen)
{
    // Unsigned: the column past the largest x must not overflow.
    RECT rcPixel = {ptScreen.x, ptScreen.y, (LONG)((ULONG)ptScreen.x + 1), ptScreen.y};
    ScreenRectToClient(hWnd, &rcPixel);
    POINT ptClient = {rcPixel.left, rcPixel.top};
    return ptClient;
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
    // Below a hidden window no window is visible. Deeper levels start from a
    // window that the search found visible.
    if (!IsWindowVisible(hWndCurrent))
        return hWndCurrent;

    for (int nLevel = 0; nLevel < s_nMaxLevels; nLevel++) {
        // A window without children, or gone, is the answer; most searches
        // end at such a control.
        HWND hWndChild = GetWindow(hWndCurrent, GW_CHILD);
        if (!hWndChild)
            return hWndCurrent;
        ChildHitSearch search;
        search.m_hWndFound = NULL;
        SetRect(&search.m_rcClip, 0, 0, 1, 1);
        search.m_ptPoint = ScreenPixelToClient(hWndCurrent, ptScreen);
        search.m_hWndCurrent = hWndCurrent;
        GetClientRect(hWndCurrent, &search.m_rcClip);
        // Windows are cut to the client area: outside it none holds the point.
        if (!PtInRect(&search.m_rcClip, search.m_ptPoint))
            return hWndCurrent;
        if (!WalkDescendants(&search, ptScreen, hWndChild)) {
            search.m_hWndFound = NULL;
            EnumChildWindows(hWndCurrent, ChildHitProc, (LPARAM)&search);
        }
        if (!search.m_hWndFound)
            return hWndCurrent;
        hWndCurrent = search.m_hWndFound;
    }
    return hWndCurrent;
}
