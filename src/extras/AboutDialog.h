// The About box (template IDD_ABOUT): the program's version, the maker's two
// web links and the Fermer button. Run modally, owned by the main dialog.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
