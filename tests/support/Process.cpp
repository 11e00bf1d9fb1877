// Child processes, folders and message boxes for tests.
#include "support/Support.h"

#include <filesystem>

std::wstring BinPath(const wchar_t *pszName)
{
    wchar_t szPath[MAX_PATH];
    std::wstring path(szPath, GetModuleFileNameW(NULL, szPath, MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1) + pszName;
}

std::wstring MakeScratchDirectory(const wchar_t *pszName)
{
    wchar_t szTemp[MAX_PATH];
    std::wstring dir = std::wstring(szTemp, GetTempPathW(MAX_PATH, szTemp)) + L"zelbrant-" + pszName;
    std::error_code error;
    std::filesystem::remove_all(dir, error);
    CreateDirectoryW(dir.c_str(), NULL);
    return dir;
}

void SetDesktopFolder(const std::wstring &path)
{
    const std::wstring folder = path.empty() ? L"%USERPROFILE%\\Desktop" : path;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                    L"Desktop", path.empty() ? REG_EXPAND_SZ : REG_SZ, folder.c_str(),
                    (DWORD)(folder.size() + 1) * sizeof(WCHAR));
}

ChildProcess::~ChildProcess()
{
    if (m_pi.hProcess && WaitForExit(0) == STILL_ACTIVE) {
        TerminateProcess(m_pi.hProcess, 99);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hThread); // none when it did not start: nothing is closed
    CloseHandle(m_pi.hProcess);
}

bool ChildProcess::Start(const std::wstring &path)
{
    // Started in its own folder, as from the file manager.
    std::wstring commandLine = L"\"" + path + L"\"", folder = path.substr(0, path.find_last_of(L'\\'));
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    return CreateProcessW(path.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &m_pi) !=
           FALSE;
}

DWORD ChildProcess::WaitForExit(DWORD dwMilliseconds)
{
    DWORD dwCode = STILL_ACTIVE;
    if (WaitForSingleObject(m_pi.hProcess, dwMilliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(m_pi.hProcess, &dwCode);
    return dwCode;
}

HWND ChildProcess::WaitForWindow(const char *pszClass, const char *pszCaption, DWORD dwMilliseconds) const
{
    for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart <= dwMilliseconds; Sleep(50))
        for (HWND hWnd = NULL; (hWnd = FindWindowExA(NULL, hWnd, pszClass, pszCaption));) {
            DWORD dwProcessId = 0;
            GetWindowThreadProcessId(hWnd, &dwProcessId);
            if (dwProcessId == m_pi.dwProcessId && IsWindowVisible(hWnd))
                return hWnd;
        }
    return NULL;
}

static std::string s_strBoxText;
static HWND s_hWndBoxOwner;

// Dispatched by the message box's own loop: reads its caption and text, "|"
// between them, and closes it.
static void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hWndBox = GetActiveWindow(), hWndText = GetDlgItem(hWndBox, 0xFFFF); // 0xFFFF: the message
    if (s_strBoxText.empty() && hWndText) {
        s_hWndBoxOwner = GetWindow(hWndBox, GW_OWNER);
        s_strBoxText = QueryWindowText(hWndBox) + "|" + QueryWindowText(hWndText);
        PostMessageA(hWndBox, WM_COMMAND, IDOK, 0);
    }
}

std::string CatchMessageBox(const std::function<void()> &action, HWND *phWndOwner)
{
    s_strBoxText.clear();
    s_hWndBoxOwner = NULL;
    UINT_PTR nTimer = SetTimer(NULL, 0, 20, CloseMessageBox);
    action();
    KillTimer(NULL, nTimer);
    if (phWndOwner)
        *phWndOwner = s_hWndBoxOwner;
    return s_strBoxText;
}

std::string SetUrlHandler(const std::string &command)
{
    const char *const apszKeys[] = {"Software\\Classes\\http\\shell\\open\\command",
                                    "Software\\Classes\\https\\shell\\open\\command"};
    char szPrevious[1024] = "";
    DWORD cb = sizeof szPrevious;
    RegGetValueA(HKEY_LOCAL_MACHINE, apszKeys[0], NULL, RRF_RT_REG_SZ, NULL, szPrevious, &cb);
    for (const char *pszKey : apszKeys)
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, pszKey, NULL, REG_SZ, command.c_str(), (DWORD)command.size() + 1);
    return szPrevious;
}

std::string OpenedBy(const std::function<void()> &action)
{
    std::wstring recorder = BinPath(L"url_recorder.exe");
    std::string previous = SetUrlHandler("\"" + std::string(recorder.begin(), recorder.end()) + "\" %1");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\ZelbrantTests");
    action();
    char szOpened[4096] = "";
    DWORD cb = 0;
    WaitUntil(
        [&] {
            return !RegGetValueA(HKEY_CURRENT_USER, "Software\\ZelbrantTests", "OpenedAddress", RRF_RT_REG_SZ, NULL,
                                 szOpened, &(cb = sizeof szOpened));
        },
        5000);
    SetUrlHandler(previous);
    return szOpened;
}
