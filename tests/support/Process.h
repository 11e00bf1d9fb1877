// Helpers for tests that run the real Zelbrant.exe or read another process's
// windows: child processes, the windows they show, and message boxes.
#pragma once

#include <windows.h>

#include <string>

// The folder of the test programs, with a trailing backslash, and
// Zelbrant.exe, which is built into it.
std::wstring BinDirectory();
std::wstring ProgramPath();

// A fresh empty folder under the temporary folder, unique to the test.
std::wstring MakeScratchDirectory(const wchar_t *pszName);
// Creates folders below dir until the deepest one's path has exactly nLength
// characters (at least 2 more than dir's), and returns that path.
std::wstring MakeDeepDirectory(std::wstring dir, size_t nLength);

class ChildProcess {
public:
    ChildProcess();
    ~ChildProcess(); // ends the process if it still runs

    bool Start(const std::wstring &path, const std::wstring &directory = std::wstring());
    // The exit code, or STILL_ACTIVE when it did not end within the time.
    DWORD WaitForExit(DWORD dwMilliseconds);
    // Ends the process by force if it still runs, with exit code 99.
    void Terminate();
    // A visible top-level window of the process with that class (and
    // caption and owner, when given), waited for up to the time given.
    HWND WaitForWindow(const char *pszClass, const char *pszCaption, DWORD dwMilliseconds, HWND hWndOwner = NULL) const;

    PROCESS_INFORMATION m_pi;
};

// Text of a window, read with WM_GETTEXT (works across processes).
std::string WindowText(HWND hwnd);
// The text of a message box of another process.
std::string MessageBoxText(HWND hWndBox);
void DismissMessageBox(HWND hWndBox);

// Waits on a thread of its own for a message box of this process with the
// given caption (and owner, when given), reads its text and dismisses it: for
// code under test that shows a box and blocks until it is closed.
class MessageBoxCatcher {
public:
    explicit MessageBoxCatcher(const char *pszCaption, HWND hWndOwner = NULL);
    ~MessageBoxCatcher();
    std::string Text(); // waits for the box, empty when none showed in time

private:
    static DWORD WINAPI Watch(void *pThis);
    const char *m_pszCaption;
    HWND m_hWndOwner;
    std::string m_strText;
    HANDLE m_hThread;
};
