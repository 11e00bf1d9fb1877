// Window trees for the picking benchmark: panels of about 50 controls of the
// kinds a dialog holds, alone, on the pages of a tab control, or by the dozen.
#include "BenchTrees.h"

#include <commctrl.h>

#include <algorithm>

static HWND AddWindow(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int *pnCount)
{
    ++*pnCount;
    return CreateWindowExA(0, pszClass, "Texte", WS_CHILD | WS_VISIBLE | dwStyle, x, y, cx, cy, hWndParent,
                           (HMENU)(INT_PTR)(1000 + *pnCount), GetModuleHandleA(NULL), NULL);
}

// One panel holds up to 50 windows on a 7 x 7 grid of cells: a group box with
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

void RegisterTreeClass(const char *pszClass, WNDPROC pfnWndProc)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = pfnWndProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = pszClass;
    RegisterClassA(&wc);
}

static HWND CreateTopLevel(const char *pszClass, const char *pszTitle, DWORD dwStyle, DWORD dwExStyle, const RECT &rc)
{
    return CreateWindowExA(WS_EX_TOPMOST | dwExStyle, pszClass, pszTitle, dwStyle, rc.left, rc.top, rc.right - rc.left,
                           rc.bottom - rc.top, NULL, NULL, GetModuleHandleA(NULL), NULL);
}

// Shows the finished tree at once, so that its windows are not shown one by one.
static HWND ShowTree(HWND hWndTree)
{
    SetWindowPos(hWndTree, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    PumpMessages();
    return hWndTree;
}

HWND BuildWideTree(const char *pszClass, const char *pszTitle, const RECT &rc, int nControls)
{
    HWND hWndTree = CreateTopLevel(pszClass, pszTitle, WS_POPUP, WS_EX_TOOLWINDOW, rc);
    int cxTree = rc.right - rc.left, cyTree = rc.bottom - rc.top;
    int nPanels = (nControls + 50) / 51;
    int nColumns = 1;
    while (nColumns * nColumns < nPanels)
        nColumns++;
    int nRows = (nPanels + nColumns - 1) / nColumns;
    int cxPanel = cxTree / nColumns, cyPanel = cyTree / nRows;
    int nCount = 0;
    for (int i = 0; i < nPanels && nCount < nControls; i++) {
        int x = (i % nColumns) * cxPanel, y = (i / nColumns) * cyPanel;
        HWND hWndPanel = AddWindow(hWndTree, "Static", 0, x, y, cxPanel, cyPanel, &nCount);
        FillPanel(hWndPanel, cxPanel, cyPanel, nControls, &nCount);
    }
    return ShowTree(hWndTree);
}

static const DWORD s_dwCaptioned = WS_POPUP | WS_CAPTION | WS_SYSMENU;

HWND BuildDialogTree(const char *pszClass, const RECT &rc)
{
    HWND hWndTree = CreateTopLevel(pszClass, BENCH_SHAPE_DIALOG, s_dwCaptioned, WS_EX_DLGMODALFRAME, rc);
    RECT rcClient;
    GetClientRect(hWndTree, &rcClient);
    int nCount = 0;
    FillPanel(hWndTree, rcClient.right, rcClient.bottom, 50, &nCount);
    return ShowTree(hWndTree);
}

HWND BuildTabbedTree(const char *pszClass, const RECT &rc)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    HWND hWndTree = CreateTopLevel(pszClass, BENCH_SHAPE_TABBED, s_dwCaptioned, WS_EX_DLGMODALFRAME, rc);
    RECT rcClient;
    GetClientRect(hWndTree, &rcClient);
    int nCount = 0;
    HWND hWndTab =
        AddWindow(hWndTree, WC_TABCONTROLA, WS_CLIPSIBLINGS, 8, 8, rcClient.right - 16, rcClient.bottom - 56, &nCount);
    static const char *const s_apszPages[] = {"Général", "Affichage", "Clavier", "Souris", "Réseau", "Avancé"};
    for (int i = 0; i < 6; i++) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (char *)s_apszPages[i];
        SendMessageA(hWndTab, TCM_INSERTITEMA, i, (LPARAM)&item);
    }
    // The pages are siblings of the tab control, above it in the Z order, as
    // a property sheet places them.
    RECT rcPage = {8, 8, rcClient.right - 8, rcClient.bottom - 48};
    SendMessageA(hWndTab, TCM_ADJUSTRECT, FALSE, (LPARAM)&rcPage);
    for (int i = 0; i < 6; i++) {
        HWND hWndPage = AddWindow(hWndTree, pszClass, 0, rcPage.left, rcPage.top, rcPage.right - rcPage.left,
                                  rcPage.bottom - rcPage.top, &nCount);
        if (i)
            ShowWindow(hWndPage, SW_HIDE);
        SetWindowPos(hWndPage, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        int nPageEnd = nCount + 40;
        FillPanel(hWndPage, rcPage.right - rcPage.left, rcPage.bottom - rcPage.top, nPageEnd, &nCount);
    }
    static const char *const s_apszButtons[] = {"OK", "Annuler", "Appliquer"};
    for (int i = 0; i < 3; i++)
        CreateWindowExA(0, "Button", s_apszButtons[i], WS_CHILD | WS_VISIBLE | (i ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON),
                        rcClient.right - 3 * 88 + i * 88, rcClient.bottom - 36, 80, 26, hWndTree,
                        (HMENU)(INT_PTR)(IDOK + i), GetModuleHandleA(NULL), NULL);
    return ShowTree(hWndTree);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
