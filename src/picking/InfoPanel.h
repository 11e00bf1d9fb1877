// Reading a window's text safely, for the information panel and for the
// clipboard export of what the panel shows.
#pragma once

#include <windows.h>

#include <string>

// The whole text of a window of any process, read with WM_GETTEXTLENGTH and
// WM_GETTEXT (so the call waits for the window to answer). A window that
// announces a negative length gives an empty text; one that announces more
// than s_cchMaxWindowText is read up to that many characters. The count that
// WM_GETTEXT returns is trusted only within the buffer: a larger count, or -1,
// gives the buffer's text up to its first zero; another negative count gives
// an empty text.
std::string QueryWindowText(HWND hWnd);

// Longest text read from a window: 1 MiB characters, far beyond anything a
// panel field can show, and small enough to allocate at every pointer move.
const size_t s_cchMaxWindowText = 1 << 20;
