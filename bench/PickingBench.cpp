// How long the finder's work at one pointer move takes over a large window
// tree: the hit-test followed by a panel refresh for the window already shown,
// against the system's own hit-test descent measured in the same run; then the
// dialog's whole move handler during a drag, inside one window and across
// windows, with the drawing and text writing it causes.
#include "app/Application.h"
#include "dialog/DlgZelbrant.h"
#include "picking/HitTest.h"
#include "picking/InfoPanel.h"
#include "res/resource.h"

#include <algorithm>
#include <stdio.h>
#include <vector>

static const int s_nTreeX = 40, s_nTreeY = 20, s_nTreeWidth = 1200, s_nTreeHeight = 960;

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

static HWND AddWindow(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int *pnCount)
{
    ++*pnCount;
    return CreateWindowExA(0, pszClass, "Texte", WS_CHILD | WS_VISIBLE | dwStyle, x, y, cx, cy, hWndParent,
                           (HMENU)(INT_PTR)(1000 + *pnCount), GetModuleHandleA(NULL), NULL);
}

// One panel holds about 50 windows on a 7 x 7 grid of cells: a group box with
// check boxes and a radio button in it, push buttons, static texts, edits, a
// hidden button, and a nested panel with controls of its own.
static void FillPanel(HWND hWndPanel, int cx, int cy, int nWanted, int *pnCount)
{
    int cxCell = std::max(1, cx / 7), cyCell = std::max(1, cy / 7);
    AddWindow(hWndPanel, "Button", BS_GROUPBOX, 0, 0, 3 * cxCell, 3 * cyCell, pnCount);
    for (int i = 0; i < 49 && *pnCount < nWanted; i++) {
        int x = (i % 7) * cxCell, y = (i / 7) * cyCell;
        bool bInGroup = i % 7 < 3 && i / 7 < 3;
        if (bInGroup)
            AddWindow(hWndPanel, "Button", i == 8 ? BS_AUTORADIOBUTTON : BS_AUTOCHECKBOX, x + 1, y + 1, cxCell - 2,
                      cyCell - 2, pnCount);
        else if (i == 48) {
            HWND hWndNested = AddWindow(hWndPanel, "Static", 0, x, y, cxCell, cyCell, pnCount);
            for (int j = 0; j < 4 && *pnCount < nWanted; j++)
                AddWindow(hWndNested, j % 2 ? "Edit" : "Button", 0, (j % 2) * cxCell / 2, (j / 2) * cyCell / 2,
                          cxCell / 2, cyCell / 2, pnCount);
        } else if (i == 47) {
            HWND hWndHidden = AddWindow(hWndPanel, "Button", BS_PUSHBUTTON, x, y, cxCell, cyCell, pnCount);
            ShowWindow(hWndHidden, SW_HIDE);
        } else {
            static const char *const s_apszClasses[] = {"Button", "Static", "Edit"};
            AddWindow(hWndPanel, s_apszClasses[i % 3], i % 3 == 0 ? (DWORD)BS_PUSHBUTTON : 0, x, y, cxCell, cyCell,
                      pnCount);
        }
    }
}

// A topmost window holding nWanted child windows in panels laid out on a grid.
static HWND BuildTree(int nWanted)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "ZelbrantBenchTree";
    RegisterClassA(&wc);
    HWND hWndTree = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "Arbre", WS_POPUP, s_nTreeX,
                                    s_nTreeY, s_nTreeWidth, s_nTreeHeight, NULL, NULL, wc.hInstance, NULL);

    int nPanels = (nWanted + 50) / 51;
    int nColumns = 1;
    while (nColumns * nColumns < nPanels)
        nColumns++;
    int nRows = (nPanels + nColumns - 1) / nColumns;
    int cxPanel = s_nTreeWidth / nColumns, cyPanel = s_nTreeHeight / nRows;
    int nCount = 0;
    for (int i = 0; i < nPanels && nCount < nWanted; i++) {
        int x = (i % nColumns) * cxPanel, y = (i / nColumns) * cyPanel;
        HWND hWndPanel = AddWindow(hWndTree, "Static", 0, x, y, cxPanel, cyPanel, &nCount);
        FillPanel(hWndPanel, cxPanel, cyPanel, nWanted, &nCount);
    }
    SetWindowPos(hWndTree, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    return hWndTree;
}

// Points spread over the tree window, from a fixed sequence so that every run
// measures the same moves.
static std::vector<POINT> SpreadPoints(int nPoints)
{
    std::vector<POINT> points;
    unsigned int nSeed = 12345;
    for (int i = 0; i < nPoints; i++) {
        nSeed = nSeed * 1103515245u + 12345u;
        int x = (int)((nSeed >> 8) % s_nTreeWidth);
        nSeed = nSeed * 1103515245u + 12345u;
        int y = (int)((nSeed >> 8) % s_nTreeHeight);
        POINT pt = {s_nTreeX + x, s_nTreeY + y};
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

// Per-call costs of the queries that one panel refresh makes.
static void PrintPanelBreakdown(ZLBR_DlgZelbrant *pDlg)
{
    const int nCalls = 2000;
    LARGE_INTEGER liStart, liEnd;
    printf("Per call, averaged over %d calls:\n", nCalls);

    QueryPerformanceCounter(&liStart);
    for (int i = 0; i < nCalls; i++)
        QueryWindowText(pDlg->m_hWndInfoRect);
    QueryPerformanceCounter(&liEnd);
    printf("  QueryWindowText of an edit of the panel: %.1f us\n", Microseconds(liStart, liEnd) / nCalls);

    QueryPerformanceCounter(&liStart);
    for (int i = 0; i < nCalls; i++)
        GetDlgItem(pDlg->m_hWnd, IDC_LABEL_RECT);
    QueryPerformanceCounter(&liEnd);
    printf("  GetDlgItem of a label: %.1f us\n", Microseconds(liStart, liEnd) / nCalls);

    QueryPerformanceCounter(&liStart);
    for (int i = 0; i < nCalls; i++)
        GetFocus();
    QueryPerformanceCounter(&liEnd);
    printf("  GetFocus: %.1f us\n", Microseconds(liStart, liEnd) / nCalls);

    WINDOWINFO wi = {};
    wi.cbSize = sizeof wi;
    QueryPerformanceCounter(&liStart);
    for (int i = 0; i < nCalls; i++)
        GetWindowInfo(pDlg->m_hWndCopy, &wi);
    QueryPerformanceCounter(&liEnd);
    printf("  GetWindowInfo: %.1f us\n", Microseconds(liStart, liEnd) / nCalls);

    QueryPerformanceCounter(&liStart);
    for (int i = 0; i < nCalls; i++)
        IsDlgButtonChecked(pDlg->m_hWnd, IDC_KEEP_SELECTED_ON_TOP);
    QueryPerformanceCounter(&liEnd);
    printf("  IsDlgButtonChecked: %.1f us\n", Microseconds(liStart, liEnd) / nCalls);
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

static void MeasureTree(int nControls, int nPoints, ZLBR_DlgZelbrant *pDlg)
{
    HWND hWndTree = BuildTree(nControls);
    std::vector<POINT> points = SpreadPoints(nPoints);
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

    printf("%d controls, %d points (the system's descent finds the same window at %d of them)\n", nControls, nPoints,
           nAgree);
    PrintLine("one move, AutoFindRootParent off:", movesRootOff);
    PrintLine("one move, AutoFindRootParent on:", movesRootOn);
    PrintLine("  FindWindowAtPoint:", finds);
    PrintLine("  UpdateWindowInfo, unchanged, AutoFindRootParent off:", updatesRootOff);
    PrintLine("  UpdateWindowInfo, unchanged, AutoFindRootParent on:", updatesRootOn);
    PrintLine("baseline, WindowFromPoint + ChildWindowFromPointEx:", baseline);
    Percentiles move = Summarise(movesRootOff), base = Summarise(baseline);
    printf("  ratio of a move (option off) to the baseline: median %.1f, p99 %.1f\n", move.dMedian / base.dMedian,
           move.dP99 / base.dP99);
    PrintBreakdown(hWndTree);
    MeasureDrag(pDlg, points);
    DestroyWindow(hWndTree);
}

int main()
{
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
    MeasureTree(1000, 2000, &dlg);
    MeasureTree(10000, 300, &dlg);

    DestroyWindow(hWndDlg);
    theApplication.ExitInstance();
    return 0;
}
