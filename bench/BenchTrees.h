// The window trees that the picking benchmark points at, built either in the
// benchmark's own process or in bench_targets.exe, another process.
#pragma once

#include <windows.h>

// Class and captions of the top-level windows of bench_targets.exe; the
// caption is also the shape's name on its command line.
#define BENCH_TARGET_CLASS "ZelbrantBenchTarget"
#define BENCH_SHAPE_DIALOG "dialog"
#define BENCH_SHAPE_TABBED "tabbed"
#define BENCH_SHAPE_WIDE "wide"

// A topmost pop-up window at rc holding nControls child windows in panels of
// about 50 laid out on a grid.
HWND BuildWideTree(const char *pszClass, const char *pszTitle, const RECT &rc, int nControls);

// A captioned window at rc with about 50 controls, as a settings dialog has.
HWND BuildDialogTree(const char *pszClass, const RECT &rc);

// A captioned window at rc with a tab control and six pages of about 40
// controls each, only the first page shown, and three buttons under them.
HWND BuildTabbedTree(const char *pszClass, const RECT &rc);

// Registers a plain window class of the module with a white background.
void RegisterTreeClass(const char *pszClass, WNDPROC pfnWndProc);

// Handles every message already queued for this thread.
void PumpMessages();
