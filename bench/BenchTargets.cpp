// bench_targets.exe: another program's window tree for the picking benchmark.
// Its one argument names the shape (dialog, tabbed or wide) and the left,
// top, right and bottom of its top-level window; it ends when that window is
// closed.
#include "BenchTrees.h"

#include <stdio.h>
#include <string.h>

static LRESULT CALLBACK TargetWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY && !GetParent(hwnd))
        PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR pszCmdLine, int)
{
    char szShape[16] = "";
    RECT rc;
    if (sscanf(pszCmdLine, "%15s %ld %ld %ld %ld", szShape, &rc.left, &rc.top, &rc.right, &rc.bottom) != 5)
        return 2;
    RegisterTreeClass(BENCH_TARGET_CLASS, TargetWndProc);
    HWND hWndTree = NULL;
    if (strcmp(szShape, BENCH_SHAPE_DIALOG) == 0)
        hWndTree = BuildDialogTree(BENCH_TARGET_CLASS, rc);
    else if (strcmp(szShape, BENCH_SHAPE_TABBED) == 0)
        hWndTree = BuildTabbedTree(BENCH_TARGET_CLASS, rc);
    else if (strcmp(szShape, BENCH_SHAPE_WIDE) == 0)
        hWndTree = BuildWideTree(BENCH_TARGET_CLASS, BENCH_SHAPE_WIDE, rc, 1000);
    if (!hWndTree)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
