// Opening a web address in the user's browser, and the message shown when no
// program can open it.
#include "extras/WebAddress.h"

#include <shellapi.h>

#include <string>

void OpenWebAddress(const char *pszAddress, HWND hWndOwner)
{
    // The root of drive C as working directory, so that the browser started
    // does not hold our own directory open.
    HINSTANCE hResult = ShellExecuteA(hWndOwner, "open", pszAddress, NULL, "C:\\", SW_SHOW);
    // Values up to 32 are error codes, whatever the handle type says.
    if ((INT_PTR)hResult <= 32)
        ShowWebAddressError(pszAddress, hWndOwner);
}

bool ShowWebAddressError(const char *pszAddress, HWND hWndOwner)
{
    // Built as a string: an address from a link may be far longer than any
    // fixed buffer of ours.
    std::string strText = std::string(pszAddress) + "\n\nImpossible d'ouvrir l'adresse de ce site Web.";
    MessageBoxA(hWndOwner, strText.c_str(), NULL, MB_OK | MB_ICONERROR);
    return false;
}
