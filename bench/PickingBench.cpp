// How long the finder's work at one pointer move takes over a window tree of
// another program (bench_targets.exe) and over large trees of the benchmark's
// own process: the hit-test followed by a panel refresh for the window already
// shown, against the system's own hit-test descent measured in the same run;
// then the dialog's whole move handler during a drag, inside one window and
// across windows, with the drawing and text writing it causes.
#include "BenchTrees.h"
#include "app/Application.h"
#include "dialog/DlgZelbrant.h"
#include "picking/WindowAtPoint.h"
#include "picking/InfoPanel.h"
#include "res/resource.h"

#include <algorithm>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

// Where the trees of the benchmark's own process stand; the dialog covers part of them.
static const RECT s_rcOwnTree = {40, 20, 1240, 980};

static LARGE_INTEGER s_liFrequency;

static double Microseconds(LARGE_INTEGER liStart, LARGE_INTEGER liEnd)
{
    return (double)(liEnd.QuadPart - liStart.QuadPart) * 1e6 / (double)s_liFrequency.QuadPart;
}

struct Percentiles {
    double dMedian, dP99;
};

static Percentiles Summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    Percentiles p;
    p.dMedian = samples[samples.size() / 2];
    p.dP99 = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
    return p;
}

// Points spread over the tree's window, title bar included, from a fixed
// sequence so that every run measures the same moves.
static std::vector<POINT> SpreadPoints(HWND hWndTree, int nPoints)
{
    RECT rc;
    GetWindowRect(hWndTree, &rc);
    std::vector<POINT> points;
    unsigned int nSeed = 12345;
    for (int i = 0; i < nPoints; i++) {
        nSeed = nSeed * 1103515245u + 12345u;
        int x = (int)((nSeed >> 8) % (unsigned)(rc.right - rc.left));
        nSeed = nSeed * 1103515245u + 12345u;
        int y = (int)((nSeed >> 8) % (unsigned)(rc.bottom - rc.top));
        POINT pt = {rc.left + x, rc.top + y};
        points.push_back(pt);
    }
    return points;
}

// The system's own answer: the window at the point, then down through the
// visible children with ChildWindowFromPointEx.
static HWND SystemDescent(POINT ptScreen)
{
    HWND hWnd = WindowFromPoint(ptScreen);
    if (!hWnd)
        return NULL;
    hWnd = GetAncestor(hWnd, GA_ROOT);
    for (;;) {
        POINT pt = ptScreen;
        ScreenToClient(hWnd, &pt);
        HWND hWndChild = ChildWindowFromPointEx(hWnd, pt, CWP_SKIPINVISIBLE);
        if (!hWndChild || hWndChild == hWnd)
            return hWnd;
        hWnd = hWndChild;
    }
}

static BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*(int *)lParam;
    return TRUE;
}

// Where the time of the tree search goes: one whole enumeration of the tree
// that does nothing per window, and the queries made per window.
static void PrintBreakdown(HWND hWndTree)
{
    LARGE_INTEGER liStart, liEnd;
    int nWindows = 0;
    QueryPerformanceCounter(&liStart);
    EnumChildWindows(hWndTree, CountWindow, (LPARAM)&nWindows);
    QueryPerformanceCounter(&liEnd);
    printf("  one EnumChildWindows over the %d descendants, callback counting only: %.0f us\n", nWindows,
           Microseconds(liStart, liEnd));

    HWND hWndSample = GetWindow(GetWindow(hWndTree, GW_CHILD), GW_CHILD);
    const int nCalls = 20000;
    RECT rc;
    QueryPerformanceCounter(&liStart);
    for (int i = 0; i < nCalls; i++) {
        IsWindowVisible(hWndSample);
        GetWindowRect(hWndSample, &rc);
        POINT pt = {rc.left, rc.top};
        ScreenToClient(hWndTree, &pt);
    }
    QueryPerformanceCounter(&liEnd);
    printf("  IsWindowVisible + GetWindowRect + ScreenToClient per window: %.2f us\n",
           Microseconds(liStart, liEnd) / nCalls);
}

// Prints the mean time of one call of query, over many calls.
template <class Query> static void PrintCallCost(const char *pszWhat, Query query)
{
    const int nCalls = 1000;
    LARGE_INTEGER liStart, liEnd;
    QueryPerformanceCounter(&liStart);
    for (int i = 0; i < nCalls; i++)
        query();
    QueryPerformanceCounter(&liEnd);
    printf("  %-52s %9.1f us\n", pszWhat, Microseconds(liStart, liEnd) / nCalls);
}

// Per-call costs of the queries that one panel refresh makes on the dialog.
static void PrintPanelBreakdown(ZLBR_DlgZelbrant *pDlg)
{
    printf("Per call, on the dialog's own controls:\n");
    PrintCallCost("QueryWindowText of an edit of the panel", [&] { QueryWindowText(pDlg->m_hWndInfoRect); });
    PrintCallCost("GetDlgItem of a label", [&] { GetDlgItem(pDlg->m_hWnd, IDC_LABEL_RECT); });
    PrintCallCost("GetFocus", [] { GetFocus(); });
    WINDOWINFO wi = {};
    wi.cbSize = sizeof wi;
    PrintCallCost("GetWindowInfo", [&] { GetWindowInfo(pDlg->m_hWndCopy, &wi); });
    PrintCallCost("IsDlgButtonChecked", [&] { IsDlgButtonChecked(pDlg->m_hWnd, IDC_KEEP_SELECTED_ON_TOP); });
}

// Per-call costs of the queries that the hit-test and the panel make on a
// window of the tree.
static void PrintWindowQueryCosts(HWND hWnd)
{
    printf("  per call, on a window of the tree:\n");
    RECT rc;
    POINT pt = {0, 0};
    char szClass[257];
    WINDOWINFO wi = {};
    wi.cbSize = sizeof wi;
    PrintCallCost("  IsWindow", [&] { IsWindow(hWnd); });
    PrintCallCost("  IsWindowVisible", [&] { IsWindowVisible(hWnd); });
    PrintCallCost("  GetWindowRect", [&] { GetWindowRect(hWnd, &rc); });
    PrintCallCost("  ScreenToClient", [&] { ScreenToClient(hWnd, &pt); });
    PrintCallCost("  GetWindow", [&] { GetWindow(hWnd, GW_HWNDNEXT); });
    PrintCallCost("  GetWindowLongA", [&] { GetWindowLongA(hWnd, GWL_STYLE); });
    PrintCallCost("  GetParent", [&] { GetParent(hWnd); });
    PrintCallCost("  GetClassNameA", [&] { GetClassNameA(hWnd, szClass, sizeof szClass); });
    PrintCallCost("  GetWindowInfo", [&] { GetWindowInfo(hWnd, &wi); });
    PrintCallCost("  QueryWindowText", [&] { QueryWindowText(hWnd); });
}

// The panel refresh for a window it already shows, in both modes of the
// AutoFindRootParent option: the first call shows it, the second is measured.
static double MeasureUnchangedUpdate(ZLBR_DlgZelbrant *pDlg, HWND hWnd, bool bAutoFindRoot)
{
    pDlg->m_bAutoFindRootParent = bAutoFindRoot;
    pDlg->UpdateWindowInfo(hWnd);
    LARGE_INTEGER liStart, liEnd;
    QueryPerformanceCounter(&liStart);
    pDlg->UpdateWindowInfo(hWnd);
    QueryPerformanceCounter(&liEnd);
    return Microseconds(liStart, liEnd);
}

static void PrintLine(const char *pszWhat, const std::vector<double> &samples)
{
    Percentiles p = Summarise(samples);
    printf("  %-52s median %9.1f us, p99 %9.1f us\n", pszWhat, p.dMedian, p.dP99);
}

// Counts the texts written into the panel's edits.
static int s_nSetTexts;
static WNDPROC s_pfnEditProc;

static LRESULT CALLBACK CountingEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        s_nSetTexts++;
    return CallWindowProcA(s_pfnEditProc, hWnd, message, wParam, lParam);
}

static void CountSetTexts(ZLBR_DlgZelbrant *pDlg)
{
    for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++)
        s_pfnEditProc =
            (WNDPROC)SetWindowLongPtrA(GetDlgItem(pDlg->m_hWnd, nId), GWLP_WNDPROC, (LONG_PTR)CountingEditProc);
}

// Sends the dialog the pointer moves of a drag through the points and
// measures each; counts the frame changes (each one an erasing and a drawing)
// and the texts written.
static void MeasureDragMoves(ZLBR_DlgZelbrant *pDlg, const std::vector<POINT> &points, const char *pszWhat)
{
    std::vector<double> moves;
    int nFrameChanges = 0;
    s_nSetTexts = 0;
    for (const POINT &ptScreen : points) {
        POINT pt = ptScreen;
        ScreenToClient(pDlg->m_hWnd, &pt);
        HWND hWndFramed = pDlg->m_hWndFramed;
        LARGE_INTEGER liStart, liEnd;
        QueryPerformanceCounter(&liStart);
        SendMessageA(pDlg->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
        QueryPerformanceCounter(&liEnd);
        moves.push_back(Microseconds(liStart, liEnd));
        nFrameChanges += pDlg->m_hWndFramed != hWndFramed;
    }
    PrintLine(pszWhat, moves);
    printf("    %d moves: %d frame changes, %d texts written\n", (int)points.size(), nFrameChanges, s_nSetTexts);
}

// Points spread over one window's rectangle, away from its edges.
static std::vector<POINT> PointsInside(HWND hWnd, int nPoints)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    std::vector<POINT> points;
    for (int i = 0; i < nPoints; i++) {
        POINT pt = {rc.left + 1 + i % std::max(1L, rc.right - rc.left - 2),
                    rc.top + 1 + (i * 7) % std::max(1L, rc.bottom - rc.top - 2)};
        points.push_back(pt);
    }
    return points;
}

// The whole move handler during a drag with the frame in use: first moves
// inside one control (after the move that enters it), then moves that go from
// window to window.
static void MeasureDrag(ZLBR_DlgZelbrant *pDlg, const std::vector<POINT> &points)
{
    pDlg->m_bAutoFindRootParent = false;
    pDlg->m_bDrawInvertedFrame = true;
    SendMessageA(pDlg->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(pDlg->m_rcFinderIcon.left, pDlg->m_rcFinderIcon.top));

    HWND hWndControl = FindWindowAtPoint(points[0].x, points[0].y);
    std::vector<POINT> inside = PointsInside(hWndControl, (int)points.size() / 4);
    MeasureDragMoves(pDlg, std::vector<POINT>(1, inside[0]), "drag, the move entering a control:");
    MeasureDragMoves(pDlg, inside, "drag, moves inside that control:");
    MeasureDragMoves(pDlg, points, "drag, moves across windows:");

    SendMessageA(pDlg->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pDlg->m_rcFinderIcon.left, pDlg->m_rcFinderIcon.top));
}

static void MeasureTree(const char *pszWhat, HWND hWndTree, int nPoints, ZLBR_DlgZelbrant *pDlg)
{
    std::vector<POINT> points = SpreadPoints(hWndTree, nPoints);
    std::vector<double> finds, baseline, movesRootOff, movesRootOn, updatesRootOff, updatesRootOn;
    int nAgree = 0;
    for (const POINT &pt : points) {
        LARGE_INTEGER liStart, liEnd;
        QueryPerformanceCounter(&liStart);
        HWND hWnd = FindWindowAtPoint(pt.x, pt.y);
        QueryPerformanceCounter(&liEnd);
        double dFind = Microseconds(liStart, liEnd);

        QueryPerformanceCounter(&liStart);
        HWND hWndSystem = SystemDescent(pt);
        QueryPerformanceCounter(&liEnd);
        baseline.push_back(Microseconds(liStart, liEnd));
        nAgree += hWnd == hWndSystem;

        double dUpdateRootOff = MeasureUnchangedUpdate(pDlg, hWnd, false);
        double dUpdateRootOn = MeasureUnchangedUpdate(pDlg, hWnd, true);
        finds.push_back(dFind);
        updatesRootOff.push_back(dUpdateRootOff);
        updatesRootOn.push_back(dUpdateRootOn);
        movesRootOff.push_back(dFind + dUpdateRootOff);
        movesRootOn.push_back(dFind + dUpdateRootOn);
    }

    printf("%s, %d points (the system's descent finds the same window at %d of them)\n", pszWhat, nPoints, nAgree);
    PrintLine("one move, AutoFindRootParent off:", movesRootOff);
    PrintLine("one move, AutoFindRootParent on:", movesRootOn);
    PrintLine("  FindWindowAtPoint:", finds);
    PrintLine("  UpdateWindowInfo, unchanged, AutoFindRootParent off:", updatesRootOff);
    PrintLine("  UpdateWindowInfo, unchanged, AutoFindRootParent on:", updatesRootOn);
    PrintLine("baseline, WindowFromPoint + ChildWindowFromPointEx:", baseline);
    Percentiles move = Summarise(movesRootOff), find = Summarise(finds), base = Summarise(baseline);
    printf("  ratio of the hit-test to the baseline: median %.1f, p99 %.1f\n", find.dMedian / base.dMedian,
           find.dP99 / base.dP99);
    printf("  ratio of a move (option off) to the baseline: median %.1f, p99 %.1f\n", move.dMedian / base.dMedian,
           move.dP99 / base.dP99);
    PrintBreakdown(hWndTree);
    PrintWindowQueryCosts(FindWindowAtPoint(points[0].x, points[0].y));
    MeasureDrag(pDlg, points);
}

// A tree of the benchmark's own process, which Wine answers mostly without
// asking its server.
static void MeasureOwnTree(int nControls, int nPoints, ZLBR_DlgZelbrant *pDlg)
{
    RegisterTreeClass("ZelbrantBenchTree", DefWindowProcA);
    HWND hWndTree = BuildWideTree("ZelbrantBenchTree", "Arbre", s_rcOwnTree, nControls);
    char szWhat[64];
    snprintf(szWhat, sizeof szWhat, "own process, %d controls", nControls);
    MeasureTree(szWhat, hWndTree, nPoints, pDlg);
    DestroyWindow(hWndTree);
}

// Starts bench_targets.exe from the benchmark's folder with the shape at rc,
// measures its tree once it shows, and closes it.
static void MeasureOtherProcess(const char *pszShape, const char *pszWhat, const RECT &rc, int nPoints,
                                ZLBR_DlgZelbrant *pDlg)
{
    char szPath[MAX_PATH];
    DWORD cch = GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string strCommand(szPath, cch);
    strCommand = "\"" + strCommand.substr(0, strCommand.find_last_of('\\') + 1) + "bench_targets.exe\"";
    char szArguments[96];
    snprintf(szArguments, sizeof szArguments, " %s %ld %ld %ld %ld", pszShape, rc.left, rc.top, rc.right, rc.bottom);
    strCommand += szArguments;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        printf("bench_targets.exe could not be started\n");
        return;
    }
    HWND hWndTree = NULL;
    for (int i = 0; i < 300 && !(hWndTree && IsWindowVisible(hWndTree)); i++) {
        Sleep(50);
        hWndTree = FindWindowA(BENCH_TARGET_CLASS, pszShape);
    }
    if (hWndTree && IsWindowVisible(hWndTree)) {
        Sleep(200); // lets it paint before the measures
        MeasureTree(pszWhat, hWndTree, nPoints, pDlg);
        PostMessageA(hWndTree, WM_CLOSE, 0, 0);
    } else
        printf("%s: bench_targets.exe showed no window\n", pszWhat);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

// With an argument (own, dialog, tabbed or wide), measures only those trees.
int main(int argc, char **argv)
{
    auto isWanted = [&](const char *pszPart) { return argc < 2 || strcmp(argv[1], pszPart) == 0; };
    if (!theApplication.InitInstance(GetModuleHandleA(NULL), GetCommandLineA(), SW_SHOWNORMAL))
        return theApplication.m_nExitCode;
    QueryPerformanceFrequency(&s_liFrequency);

    ZLBR_DlgZelbrant dlg(NULL);
    HWND hWndDlg = CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                      ZLBR_DlgZelbrant::DialogProc, (LPARAM)&dlg);
    if (!hWndDlg) {
        printf("the main dialog could not be created\n");
        return 1;
    }
    CountSetTexts(&dlg);
    PrintPanelBreakdown(&dlg);
    // Fewer points in the large tree: a search there takes a hundred times longer under Wine.
    if (isWanted("own")) {
        MeasureOwnTree(1000, 2000, &dlg);
        MeasureOwnTree(10000, 300, &dlg);
    }

    // The trees of another program stand left of the dialog, which is moved
    // to the right edge of the screen so that it covers none of them.
    RECT rcDlg;
    GetWindowRect(hWndDlg, &rcDlg);
    int cxScreen = GetSystemMetrics(SM_CXSCREEN), cyScreen = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(hWndDlg, NULL, cxScreen - (rcDlg.right - rcDlg.left), 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    int nRight = cxScreen - (rcDlg.right - rcDlg.left) - 10;
    const RECT rcDialog = {20, 20, 540, 440}, rcTabbed = {20, 20, 640, 540}, rcWide = {0, 0, nRight, cyScreen - 20};
    if (isWanted(BENCH_SHAPE_DIALOG))
        MeasureOtherProcess(BENCH_SHAPE_DIALOG, "other process, dialog of 50 controls", rcDialog, 1000, &dlg);
    if (isWanted(BENCH_SHAPE_TABBED))
        MeasureOtherProcess(BENCH_SHAPE_TABBED, "other process, 6 tab pages of 40 controls", rcTabbed, 1000, &dlg);
    if (isWanted(BENCH_SHAPE_WIDE))
        MeasureOtherProcess(BENCH_SHAPE_WIDE, "other process, 1,000 controls", rcWide, 300, &dlg);

    DestroyWindow(hWndDlg);
    theApplication.ExitInstance();
    return 0;
}
