// The process-wide application object: what the program learns and acquires
// at start (module path, file version, registry key, working directory, COM,
// private font, the optional desktop-composition and sound entry points) and
// releases at the end.
#pragma once

#include <windows.h>

#include <string>

// Start-up status, which is also the process exit code.
enum StartupStatus {
    STARTUP_OK = 0,
    STARTUP_BAD_ARGUMENTS = 1001,
    STARTUP_NO_MODULE_PATH = 1002,
    STARTUP_NO_FILE_VERSION = 1003,
    STARTUP_NO_WORKING_DIR = 1009,
    STARTUP_COM_FAILED = 1011,
    STARTUP_COM_INCOMPATIBLE = 1012,
    STARTUP_PRIVATE_FONT_FAILED = 1020,
    STARTUP_DIALOG_FAILED = 1027,
};

typedef HRESULT(WINAPI *PFN_DwmIsCompositionEnabled)(BOOL *pfEnabled);
typedef HRESULT(WINAPI *PFN_DwmGetWindowAttribute)(HWND hwnd, DWORD dwAttribute, PVOID pvAttribute, DWORD cbAttribute);
typedef BOOL(WINAPI *PFN_PlaySoundA)(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);

class Application {
public:
    Application();
    ~Application();

    bool InitInstance(HINSTANCE hInstance, LPSTR pszCmdLine, int nCmdShow);
    void ExitInstance();
    bool LoadPrivateFont();
    // Writes the program's shortcut on the desktop and plays the result's
    // sound (extras/DesktopShortcut.cpp).
    bool CreateDesktopShortcut();

    // Paths are kept in UTF-16: the program runs from folders whose names
    // the ANSI code page cannot spell.
    WCHAR m_wszWorkingDir[MAX_PATH];
    WCHAR m_wszModulePath[MAX_PATH];
    HINSTANCE m_hInstance;
    LPSTR m_pszCmdLine;
    int m_nCmdShow;
    int m_nExitCode;
    ULONGLONG m_ullFileVersion;
    std::string m_strRegistryKey;
    bool m_bComInitialized;
    HANDLE m_hPrivateFont;

    // Desktop composition (dwmapi.dll), bound at construction; every field is
    // null where the library or an entry point is missing.
    HMODULE m_hDwmApi;
    PFN_DwmIsCompositionEnabled m_pfnDwmIsCompositionEnabled;
    PFN_DwmGetWindowAttribute m_pfnDwmGetWindowAttribute;

    // Sounds (winmm.dll), bound at construction; null where it is missing,
    // and then the program is silent.
    HMODULE m_hWinmm;
    PFN_PlaySoundA m_pfnPlaySound;

private:
    bool Fail(int nCode, const char *pszTemplate);
    bool FailWithFileVersion(int nCode);
    bool InitPaths();
    bool InitCom();

    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;
};

extern Application theApplication;

// The file version of a module, read from its own version resource; 0 and
// false when it has none.
bool GetFileVersion(HMODULE hModule, ULONGLONG *pullVersion);

// Formats a start-up failure and shows it in an error message box.
// pInserts holds the template's inserts from %2 on (the code line is %1).
void ShowStartupError(int nCode, const char *pszTemplate, const DWORD_PTR *pInserts, int nInserts);

// Field number n (0 = major ... 3 = revision) of a packed file version.
inline WORD FileVersionPart(ULONGLONG ullVersion, int n)
{
    return (WORD)(ullVersion >> (48 - 16 * n));
}
