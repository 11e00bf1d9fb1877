// The test prefix's handler for http and https addresses, so that the program
// opens its web pages in url_recorder.exe, never in a real browser.
#pragma once

#include <windows.h>

#include <string>

// Where url_recorder.exe writes the address it was asked to open (HKCU).
#define URL_RECORD_KEY "Software\\ZelbrantTests"
#define URL_RECORD_VALUE "OpenedAddress"

class UrlHandler {
public:
    // Makes pszCommand ("%1" stands for the address) the handler of both
    // schemes, or url_recorder.exe when none is given. The handlers that
    // were there before come back with the destructor.
    explicit UrlHandler(const char *pszCommand = NULL);
    ~UrlHandler();

private:
    std::string m_astrPrevious[2];
};

// The address url_recorder.exe opened last, and its clearing.
std::string OpenedAddress();
void ClearOpenedAddress();
