// Opening a web address in the user's browser, the one way the program does
// it: F1, the context-help command and the About box's links.
#pragma once

#include <windows.h>

// Opens the address with the shell; when no program can open it, tells the
// user in a message box owned by hWndOwner.
void OpenWebAddress(const char *pszAddress, HWND hWndOwner);

// The message box that names an address that could not be opened; false.
bool ShowWebAddressError(const char *pszAddress, HWND hWndOwner);
