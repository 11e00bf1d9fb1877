// Child processes and the windows they show, scratch folders, and message
// boxes, for tests that run the real Zelbrant.exe or read other processes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// A file of the folder the test program runs from, where Zelbrant.exe and the fixtures are built.
std::wstring BinPath(const wchar_t *pszName);
// A fresh empty folder under the temporary folder, unique to the name.
std::wstring MakeScratchDirectory(const wchar_t *pszName);
// Creates folders below dir until the deepest one's path has exactly nLength
// characters (at least 2 more than dir's), and returns that path.
std::wstring MakeDeepDirectory(std::wstring dir, size_t nLength);

class ChildProcess {
public:
    ChildProcess() : m_pi() {}
    ~ChildProcess(); // ends the process if it still runs
    bool Start(const std::wstring &path);
    // The exit code, or STILL_ACTIVE when it did not end within the time.
    DWORD WaitForExit(DWORD dwMilliseconds);
    // A visible top-level window of the process with that class (and caption
    // and owner, when given), waited for up to the time given.
    HWND WaitForWindow(const char *pszClass, const char *pszCaption, DWORD dwMilliseconds, HWND hWndOwner = NULL) const;

    PROCESS_INFORMATION m_pi;
};

// Reads a message box's caption and text, "|" between them, and closes it.
std::string DismissMessageBox(HWND hWndBox);

// Runs the action, during which code of this thread shows a message box and
// waits for it; returns what DismissMessageBox reads from it (empty when none
// showed), and its owner.
std::string CatchMessageBox(const std::function<void()> &action, HWND *phWndOwner = NULL);

// Makes the command the prefix's handler of http and https addresses (Wine
// reads it from the machine's classes only); returns the one it replaces.
std::string SetUrlHandler(const std::string &command);
// The address that the action has the shell open, as url_recorder.exe, made
// the handler for the time in place of a real browser, records it; or "".
std::string OpenedBy(const std::function<void()> &action);
