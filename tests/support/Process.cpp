// Child processes and the windows they show, for tests.
#include "support/Process.h"

std::wstring BinDirectory()
{
    wchar_t szPath[MAX_PATH];
    std::wstring path(szPath, GetModuleFileNameW(NULL, szPath, MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring ProgramPath()
{
    return BinDirectory() + L"Zelbrant.exe";
}

// Deletes a folder tree; paths use the \\?\ form so that length is no limit.
static void DeleteTree(const std::wstring &dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    for (BOOL bFound = hFind != INVALID_HANDLE_VALUE; bFound; bFound = FindNextFileW(hFind, &fd)) {
        std::wstring name = fd.cFileName, child = dir + L"\\" + name;
        if (name == L"." || name == L"..")
            continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            DeleteTree(child);
        else
            DeleteFileW(child.c_str());
    }
    FindClose(hFind);
    RemoveDirectoryW(dir.c_str());
}

std::wstring MakeScratchDirectory(const wchar_t *pszName)
{
    wchar_t szTemp[MAX_PATH];
    std::wstring dir = L"\\\\?\\" + std::wstring(szTemp, GetTempPathW(MAX_PATH, szTemp)) + L"zelbrant-" + pszName;
    DeleteTree(dir);
    CreateDirectoryW(dir.c_str(), NULL);
    return dir.substr(4); // without the \\?\ prefix
}

std::wstring MakeDeepDirectory(std::wstring dir, size_t nLength)
{
    while (nLength - dir.size() > 150) {
        dir += L"\\" + std::wstring(100, L'd');
        CreateDirectoryW((L"\\\\?\\" + dir).c_str(), NULL);
    }
    dir += L"\\" + std::wstring(nLength - dir.size() - 1, L'e');
    CreateDirectoryW((L"\\\\?\\" + dir).c_str(), NULL);
    return dir;
}

ChildProcess::ChildProcess() : m_pi() {}

ChildProcess::~ChildProcess()
{
    if (!m_pi.hProcess)
        return;
    Terminate();
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
}

void ChildProcess::Terminate()
{
    if (m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_pi.hProcess, 99);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
}

bool ChildProcess::Start(const std::wstring &path, const std::wstring &directory)
{
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    return CreateProcessW(path.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL,
                          directory.empty() ? NULL : directory.c_str(), &si, &m_pi) != FALSE;
}

DWORD ChildProcess::WaitForExit(DWORD dwMilliseconds)
{
    DWORD dwCode = STILL_ACTIVE;
    if (WaitForSingleObject(m_pi.hProcess, dwMilliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(m_pi.hProcess, &dwCode);
    return dwCode;
}

struct WindowQuery {
    DWORD dwProcessId;
    const char *pszClass, *pszCaption;
    HWND hWndOwner, hWndFound;
};

static BOOL CALLBACK MatchProcessWindow(HWND hwnd, LPARAM lParam)
{
    WindowQuery *pQuery = (WindowQuery *)lParam;
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hwnd, &dwProcessId);
    char szClass[256] = "";
    GetClassNameA(hwnd, szClass, sizeof(szClass));
    if (dwProcessId != pQuery->dwProcessId || !IsWindowVisible(hwnd) || lstrcmpiA(szClass, pQuery->pszClass) != 0 ||
        (pQuery->pszCaption && WindowText(hwnd) != pQuery->pszCaption) ||
        (pQuery->hWndOwner && GetWindow(hwnd, GW_OWNER) != pQuery->hWndOwner))
        return TRUE;
    pQuery->hWndFound = hwnd;
    return FALSE;
}

static HWND WaitForProcessWindow(DWORD dwProcessId, const char *pszClass, const char *pszCaption, HWND hWndOwner,
                                 DWORD dwMilliseconds)
{
    WindowQuery query = {dwProcessId, pszClass, pszCaption, hWndOwner, NULL};
    for (DWORD dwStart = GetTickCount();; Sleep(50)) {
        EnumWindows(MatchProcessWindow, (LPARAM)&query);
        if (query.hWndFound || GetTickCount() - dwStart > dwMilliseconds)
            return query.hWndFound;
    }
}

HWND ChildProcess::WaitForWindow(const char *pszClass, const char *pszCaption, DWORD dwMilliseconds,
                                 HWND hWndOwner) const
{
    return WaitForProcessWindow(m_pi.dwProcessId, pszClass, pszCaption, hWndOwner, dwMilliseconds);
}

std::string WindowText(HWND hwnd)
{
    char szText[4096] = "";
    LRESULT cch = SendMessageA(hwnd, WM_GETTEXT, sizeof(szText), (LPARAM)szText);
    return std::string(szText, cch > 0 && cch < (LRESULT)sizeof(szText) ? (size_t)cch : 0);
}

std::string MessageBoxText(HWND hWndBox)
{
    return WindowText(GetDlgItem(hWndBox, 0xFFFF)); // the static that holds the message
}

void DismissMessageBox(HWND hWndBox)
{
    PostMessageA(hWndBox, WM_COMMAND, IDOK, 0);
}

MessageBoxCatcher::MessageBoxCatcher(const char *pszCaption, HWND hWndOwner)
    : m_pszCaption(pszCaption), m_hWndOwner(hWndOwner), m_hThread(CreateThread(NULL, 0, Watch, this, 0, NULL))
{
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    Text();
}

std::string MessageBoxCatcher::Text()
{
    if (m_hThread) {
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
        m_hThread = NULL;
    }
    return m_strText;
}

DWORD WINAPI MessageBoxCatcher::Watch(void *pThis)
{
    MessageBoxCatcher *pCatcher = (MessageBoxCatcher *)pThis;
    HWND hWndBox =
        WaitForProcessWindow(GetCurrentProcessId(), "#32770", pCatcher->m_pszCaption, pCatcher->m_hWndOwner, 15000);
    if (hWndBox) {
        pCatcher->m_strText = MessageBoxText(hWndBox);
        DismissMessageBox(hWndBox);
    }
    return 0;
}
