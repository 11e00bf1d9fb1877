// Over random window trees of this program and of another one, FindWindowAtPoint
// finds what a plain step-by-step search finds.
#include "picking/WindowAtPoint.h"
#include "support/Support.h"

#include <random>

// The plain search: below the system's top-level window, level by level, every
// descendant in the enumeration's order, each tested in full.
static BOOL CALLBACK PlainHitProc(HWND hwnd, LPARAM lParam)
{
    ChildHitSearch *pLevel = (ChildHitSearch *)lParam;
    if (!IsWindowVisible(hwnd))
        return TRUE;
    RECT rc, rcHit;
    GetWindowRect(hwnd, &rc);
    ScreenToClient(pLevel->m_hWndCurrent, (POINT *)&rc.left); // corner by corner
    ScreenToClient(pLevel->m_hWndCurrent, (POINT *)&rc.right);
    if (rc.left > rc.right) // mirrored by a window laid out right to left
        std::swap(rc.left, rc.right);
    IntersectRect(&rcHit, &rc, &pLevel->m_rcClip);
    if (!PtInRect(&rcHit, pLevel->m_ptPoint))
        return TRUE;
    pLevel->m_hWndFound = hwnd;
    char szClass[257] = "";
    return GetClassNameA(hwnd, szClass, sizeof szClass) && lstrcmpiA(szClass, "Button") == 0 &&
           (GetWindowLongA(hwnd, GWL_STYLE) & 7);
}

static HWND PlainWindowAtPoint(POINT ptScreen, WNDENUMPROC pfnHitProc = PlainHitProc)
{
    HWND hWnd = NULL, hWndFound = GetAncestor(WindowFromPoint(ptScreen), GA_ROOT);
    while (hWndFound) {
        ChildHitSearch level = {ptScreen, hWnd = hWndFound, {0, 0, 1, 1}, NULL};
        POINT ptNext = {ptScreen.x + 1, ptScreen.y}; // the pixel's far edge: mirrored, its left one
        ScreenToClient(hWnd, &level.m_ptPoint);
        ScreenToClient(hWnd, &ptNext);
        level.m_ptPoint.x = std::min(level.m_ptPoint.x, ptNext.x);
        GetClientRect(hWnd, &level.m_rcClip);
        EnumChildWindows(hWnd, pfnHitProc, (LPARAM)&level);
        hWndFound = level.m_hWndFound;
    }
    return hWnd;
}

static const RECT s_rcTree = {100, 100, 520, 420};

// Panels nesting four levels deep holding buttons of every type, static texts and edits; some hidden,
// disabled, laid out right to left, bordered, or reaching outside their parent's client area.
static void AddRandomChildren(HWND hWndParent, std::mt19937 &rng, int nDepth)
{
    for (int i = 2 + rng() % 7; i > 0; i--) {
        static const char *const s_apszClasses[] = {"Button", "Button", "Static", "Edit", TEST_WINDOW_CLASS};
        const char *pszClass = s_apszClasses[rng() % 5];
        DWORD dwStyle = WS_CHILD | (rng() % 5 ? WS_VISIBLE : 0) | (rng() % 5 ? 0 : WS_DISABLED) |
                        (rng() % 3 ? 0 : WS_BORDER) | (pszClass == s_apszClasses[0] ? rng() % 16 : 0);
        HWND hWnd = CreateWindowExA(rng() % 6 ? 0 : WS_EX_LAYOUTRTL, pszClass, "", dwStyle, (int)(rng() % 400) - 40,
                                    (int)(rng() % 300) - 30, 10 + rng() % 200, 10 + rng() % 150, hWndParent, NULL,
                                    GetModuleHandleA(NULL), NULL);
        if (pszClass == s_apszClasses[4] && nDepth < 4)
            AddRandomChildren(hWnd, rng, nDepth + 1);
    }
}

static HWND BuildRandomTree(unsigned nSeed)
{
    std::mt19937 rng(nSeed);
    // Wine draws a tool window's title bar itself, as Windows does every one; a normal one is the X window
    // manager's. The tree shows once whole, so that another process sees it so.
    HWND hWndTree =
        CreateTopLevel(WS_POPUP | WS_BORDER | (nSeed % 2 ? WS_CAPTION : 0),
                       WS_EX_TOPMOST | WS_EX_TOOLWINDOW | (nSeed % 8 == 5 ? WS_EX_LAYOUTRTL : 0), s_rcTree.left,
                       s_rcTree.top, s_rcTree.right - s_rcTree.left, s_rcTree.bottom - s_rcTree.top, NULL, "Arbre");
    // Above the random windows of a tree laid out right to left, an edit along its client area's left edge.
    RECT rcClient;
    if (GetClientRect(hWndTree, &rcClient) && (GetWindowLongA(hWndTree, GWL_EXSTYLE) & WS_EX_LAYOUTRTL))
        CreateControl(hWndTree, "Edit", WS_VISIBLE | WS_BORDER, rcClient.right - 75, 30, 75, 23, 1);
    AddRandomChildren(hWndTree, rng, 0);
    ShowWindow(hWndTree, SW_SHOWNOACTIVATE);
    return hWndTree;
}

// Started with ZELBRANT_HIT_TREE set, this test program is the other process, showing the tree of that seed.
static const int s_nServeTree = []() {
    char szSeed[16];
    if (!GetEnvironmentVariableA("ZELBRANT_HIT_TREE", szSeed, sizeof szSeed))
        return 0;
    BuildRandomTree((unsigned)atoi(szSeed));
    for (MSG msg; GetMessageA(&msg, NULL, 0, 0);)
        DispatchMessageA(&msg);
    ExitProcess(0);
}();

HWND ShowTreeInOtherProcess(ChildProcess &other, unsigned nSeed)
{
    SetEnvironmentVariableA("ZELBRANT_HIT_TREE", std::to_string(nSeed).c_str());
    bool bStarted = other.Start(BinPath(L"zelbrant_tests.exe"));
    SetEnvironmentVariableA("ZELBRANT_HIT_TREE", NULL);
    return bStarted ? other.WaitForWindow(TEST_WINDOW_CLASS, "Arbre", 15000) : NULL;
}

// The program's GetWindowRect destroys s_hWndVanishing before it answers for it.
static HWND s_hWndVanishing;
static const FARPROC s_pfnGetWindowRect = GetProcAddress(GetModuleHandleA("user32.dll"), "GetWindowRect");

static BOOL WINAPI GetRectOfVanishing(HWND hWnd, RECT *prc)
{
    if (hWnd == s_hWndVanishing)
        DestroyWindow(hWnd);
    return ((decltype(&GetWindowRect))(void *)s_pfnGetWindowRect)(hWnd, prc);
}

TEST(HitTestAgreement, EveryPointOfRandomTreesOfThisProgramAndOfAnotherGivesTheWindowThePlainSearchGives)
{
    Redirect(s_pfnGetWindowRect, (FARPROC)(void *)GetRectOfVanishing);
    for (unsigned nSeed : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}) {
        ChildProcess other; // trees 9, 10 and 13 are another program's
        WindowHolder own(nSeed < 9 ? BuildRandomTree(nSeed) : NULL);
        HWND hWndTree = own.m_hWnd ? own.m_hWnd : ShowTreeInOtherProcess(other, nSeed);
        ASSERT_TRUE(hWndTree);
        std::mt19937 rng(nSeed);
        for (int i = 0; i < 100; i++) {
            POINT pt = {s_rcTree.left - 10 + (int)(rng() % 440), s_rcTree.top - 10 + (int)(rng() % 340)};
            RECT rcEdit; // in a tree laid out right to left, first the edit's left column, the client area's first
            if (i == 0 && GetWindowRect(GetDlgItem(hWndTree, 1), &rcEdit))
                pt = {rcEdit.left, rcEdit.top + 5};
            // In tree 7 the first window vanishes as the third search's walk asks for its rectangle: the
            // search, whose point lies on another window, falls back to enumerating the level.
            s_hWndVanishing = nSeed == 7 && i == 2 ? GetWindow(hWndTree, GW_CHILD) : NULL;
            HWND hWnd = FindWindowAtPoint(pt.x, pt.y);
            ASSERT_EQ(hWnd, PlainWindowAtPoint(pt)) << "tree " << nSeed << " at " << pt.x << ", " << pt.y;
            ASSERT_EQ(PlainWindowAtPoint(pt, ChildHitProc), hWnd) << "by enumeration alone, tree " << nSeed;
        }
    }
    Redirect((FARPROC)(void *)GetRectOfVanishing, s_pfnGetWindowRect);
}
