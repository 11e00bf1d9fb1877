// What the tests share: real windows and the real main dialog, child
// processes, message boxes and web addresses, the registry, and the sounds asked for.
#pragma once

#include "app/Application.h"
#include "dialog/DlgZelbrant.h"
#include "picking/InfoPanel.h"
#include "res/resource.h"
#include "settings/RegistryStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Windows (TestWindows.cpp). A top-level window of a plain white class whose rectangle is exactly the one given.
const char TEST_WINDOW_CLASS[] = "ZelbrantTestWindow";
HWND CreateTopLevel(DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx, int cy, HWND hWndOwner = NULL,
                    const char *pszTitle = "");
// A child window (WS_CHILD is added) at (x, y) of the parent's client area.
HWND CreateControl(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int nId = 0,
                   const char *pszText = "");

// Destroys its window (and so its children and owned windows) at the end of the scope.
struct WindowHolder {
    explicit WindowHolder(HWND hWnd) : m_hWnd(hWnd) {}
    ~WindowHolder()
    {
        DestroyWindow(m_hWnd);
    }
    operator HWND() const
    {
        return m_hWnd;
    }
    HWND m_hWnd;
};

// The real main dialog, created modeless from the real template and procedure.
struct MainDialog {
    MainDialog();
    ~MainDialog()
    {
        DestroyWindow(m_hWnd);
    }
    HWND Item(int nId) const
    {
        return GetDlgItem(m_hWnd, nId);
    }
    // What the user sees of the controls, in the order given: "+" for a control
    // enabled, "-" disabled, then "x" when it is a checked box.
    std::string Controls(std::initializer_list<int> ids) const;
    ZLBR_DlgZelbrant m_dlg;
    HWND m_hWnd;
};

inline bool operator==(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b) != FALSE;
}
inline std::ostream &operator<<(std::ostream &os, const RECT &rc)
{
    return os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}

// Pictures by their pixels (TestWindows.cpp): a bitmap's, as 32-bit colours;
// an icon's colour image; the program's icon loaded at a size.
std::vector<DWORD> BitmapPixels(HBITMAP hbm);
std::vector<DWORD> IconPixels(HICON hIcon);
std::vector<DWORD> ResourceIconPixels(UINT nIconId, int nSize);
// The screen's row 10 pixels below the rectangle's top, from a pixel left of
// it to one right of it; banded, with the pixels of its band inverted back.
std::vector<COLORREF> ScreenRow(const RECT &rc, bool bBanded);

// Messages (Messages.cpp).
POINT CenterOf(HWND hwnd); // of its rectangle on the screen
// Handles this thread's messages for the time given.
void PumpMessagesFor(DWORD dwMilliseconds);
// Pumps messages until the condition holds or the time is up; returns its last value.
bool WaitUntil(const std::function<bool()> &condition, DWORD dwMilliseconds);

// Processes, folders and message boxes (Process.cpp).
// A file of the folder the test program runs from, where Zelbrant.exe and the fixtures are built.
std::wstring BinPath(const wchar_t *pszName);
// A fresh empty folder under the temporary folder, named after pszName.
std::wstring MakeScratchDirectory(const wchar_t *pszName);
// Points the user's desktop folder at path, as set in the per-user shell folders; "" sets the default back.
void SetDesktopFolder(const std::wstring &path);

class ChildProcess {
public:
    ChildProcess() : m_pi() {}
    ~ChildProcess(); // ends the process if it still runs
    bool Start(const std::wstring &path);
    // The exit code, or STILL_ACTIVE when it did not end within the time.
    DWORD WaitForExit(DWORD dwMilliseconds);
    // A visible top-level window of the process with that class and caption, waited for up to the time given.
    HWND WaitForWindow(const char *pszClass, const char *pszCaption, DWORD dwMilliseconds) const;
    PROCESS_INFORMATION m_pi;
};

// Starts this test program as another process showing the window tree of that seed (WindowAtPointTest.cpp); its window.
HWND ShowTreeInOtherProcess(ChildProcess &other, unsigned nSeed);
// The target, working folder, description and icon of a shortcut file, a line each; "" when it cannot be loaded
// (DesktopShortcutTest.cpp).
std::wstring ReadShortcut(const std::wstring &path);
// Runs the action, during which this thread shows a message box and waits for
// it; returns its "caption|text" (empty when none showed), and its owner.
std::string CatchMessageBox(const std::function<void()> &action, HWND *phWndOwner = NULL);
// Makes the command the prefix's handler of http and https addresses (Wine
// reads it from the machine's classes only); returns the one it replaces.
std::string SetUrlHandler(const std::string &command);
// The address that the action has the shell open, as url_recorder.exe, made
// the handler for the time in place of a real browser, records it; or "".
std::string OpenedBy(const std::function<void()> &action);

// The registry, read and written directly (Registry.cpp).
// REG_DWORD values as stored, each followed by a blank; "?" for one missing or of another type.
std::string StoredDwords(const std::string &key, std::initializer_list<const char *> names);

// Sounds (SoundSpy.cpp). While a spy lives, the program's sounds and its
// MessageBeep calls (an import of the test program, which links the program's
// code) go to recorders, which then call the real functions.
// Points the test program's import slot that holds pfnFrom at pfnTo.
void Redirect(FARPROC pfnFrom, FARPROC pfnTo);
struct SoundSpy {
    SoundSpy();
    ~SoundSpy();
    // Sound resource ids and beep types asked for, oldest first; flags and module of the last sound.
    std::vector<UINT> m_sounds, m_beeps;
    DWORD m_dwLastFlags = 0;
    HMODULE m_hLastModule = NULL;
};
