// FindWindowAtPoint finds, over random window trees of this program and of
// another one, exactly the window that a plain search finds by taking every
// step in turn, and stays sound while another program's tree changes.
#include "picking/HitTest.h"
#include "support/Process.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <random>

// The plain search: below the system's top-level window, level by level, every
// descendant in the enumeration's order, each tested in full.
struct PlainLevel {
    POINT pt;
    HWND hWndCurrent;
    RECT rcClip;
    HWND hWndFound;
};

static BOOL CALLBACK PlainHitProc(HWND hwnd, LPARAM lParam)
{
    PlainLevel *pLevel = (PlainLevel *)lParam;
    if (!IsWindowVisible(hwnd))
        return TRUE;
    RECT rc, rcHit;
    GetWindowRect(hwnd, &rc);
    POINT ptTopLeft = {rc.left, rc.top}, ptBottomRight = {rc.right, rc.bottom};
    ScreenToClient(pLevel->hWndCurrent, &ptTopLeft);
    ScreenToClient(pLevel->hWndCurrent, &ptBottomRight);
    SetRect(&rc, ptTopLeft.x, ptTopLeft.y, ptBottomRight.x, ptBottomRight.y);
    IntersectRect(&rcHit, &rc, &pLevel->rcClip);
    if (!PtInRect(&rcHit, pLevel->pt))
        return TRUE;
    pLevel->hWndFound = hwnd;
    char szClass[257] = "";
    return GetClassNameA(hwnd, szClass, sizeof szClass) && lstrcmpiA(szClass, "Button") == 0 &&
           (GetWindowLongA(hwnd, GWL_STYLE) & 7);
}

static HWND PlainWindowAtPoint(POINT ptScreen)
{
    HWND hWnd = WindowFromPoint(ptScreen);
    if (!hWnd || !(hWnd = GetAncestor(hWnd, GA_ROOT)))
        return NULL;
    for (;;) {
        PlainLevel level = {ptScreen, hWnd, {0, 0, 1, 1}, NULL};
        ScreenToClient(hWnd, &level.pt);
        GetClientRect(hWnd, &level.rcClip);
        EnumChildWindows(hWnd, PlainHitProc, (LPARAM)&level);
        if (!level.hWndFound)
            return hWnd;
        hWnd = level.hWndFound;
    }
}

static const RECT s_rcTree = {100, 100, 520, 420};

// Panels nesting four levels deep holding buttons of every type, static texts
// and edits; some hidden, disabled, laid out right to left, bordered, or
// reaching outside their parent's client area.
static void AddRandomChildren(HWND hWndParent, std::mt19937 &rng, int nDepth)
{
    for (int i = 2 + rng() % 7; i > 0; i--) {
        static const char *const s_apszClasses[] = {"Button", "Button", "Static", "Edit", TestWindowClass()};
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
    HWND hWndTree =
        CreateTopLevel(WS_POPUP | WS_BORDER | (nSeed % 2 ? WS_CAPTION : 0), WS_EX_TOPMOST, s_rcTree.left, s_rcTree.top,
                       s_rcTree.right - s_rcTree.left, s_rcTree.bottom - s_rcTree.top, NULL, "Arbre");
    AddRandomChildren(hWndTree, rng, 0);
    ShowWindow(hWndTree, SW_SHOWNA);
    PumpMessages();
    return hWndTree;
}

// Started with ZELBRANT_HIT_TREE set, this test program is the other process:
// it shows the tree of that seed and serves it until it is ended.
static const int s_nServeTree = []() {
    char szSeed[16];
    if (!GetEnvironmentVariableA("ZELBRANT_HIT_TREE", szSeed, sizeof szSeed))
        return 0;
    BuildRandomTree((unsigned)atoi(szSeed));
    for (MSG msg; GetMessageA(&msg, NULL, 0, 0) > 0;)
        DispatchMessageA(&msg);
    ExitProcess(0);
}();

static int CountDisagreements(unsigned nSeed)
{
    std::mt19937 rng(nSeed);
    int nDisagreements = 0;
    for (int i = 0; i < 400; i++) {
        POINT pt = {s_rcTree.left - 10 + (int)(rng() % 440), s_rcTree.top - 10 + (int)(rng() % 340)};
        HWND hWndFound = FindWindowAtPoint(pt.x, pt.y), hWndPlain = PlainWindowAtPoint(pt);
        EXPECT_EQ(hWndFound, hWndPlain) << "tree " << nSeed << " at " << pt.x << ", " << pt.y;
        nDisagreements += hWndFound != hWndPlain;
    }
    return nDisagreements;
}

TEST(HitTestAgreement, EveryPointOfRandomTreesOfThisProgramGivesTheWindowThePlainSearchGives)
{
    for (unsigned nSeed = 1; nSeed <= 24; nSeed++) {
        WindowHolder tree(BuildRandomTree(nSeed));
        ASSERT_EQ(CountDisagreements(nSeed), 0);
    }
}

TEST(HitTestAgreement, EveryPointOfRandomTreesOfAnotherProgramGivesTheWindowThePlainSearchGives)
{
    for (unsigned nSeed = 101; nSeed <= 104; nSeed++) {
        SetEnvironmentVariableA("ZELBRANT_HIT_TREE", std::to_string(nSeed).c_str());
        ChildProcess other;
        bool bStarted = other.Start(BinDirectory() + L"picking_tests.exe");
        SetEnvironmentVariableA("ZELBRANT_HIT_TREE", NULL);
        ASSERT_TRUE(bStarted && other.WaitForWindow(TestWindowClass(), "Arbre", 15000));
        ASSERT_EQ(CountDisagreements(nSeed), 0);
    }
}
