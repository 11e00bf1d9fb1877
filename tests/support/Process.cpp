// Child processes of Zelbrant.exe and the windows they show, for tests.
#include "support/Process.h"

#include <vector>

std::wstring BinDirectory()
{
    wchar_t szPath[MAX_PATH];
    DWORD cch = GetModuleFileNameW(NULL, szPath, MAX_PATH);
    std::wstring path(szPath, cch);
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
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring child = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(hFind, &fd));
        FindClose(hFind);
    }
    RemoveDirectoryW(dir.c_str());
}

std::wstring MakeScratchDirectory(const wchar_t *pszName)
{
    wchar_t szTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, szTemp);
    std::wstring dir = std::wstring(L"\\\\?\\") + szTemp + L"zelbrant-" + pszName;
    DeleteTree(dir);
    CreateDirectoryW(dir.c_str(), NULL);
    return dir.substr(4); // without the \\?\ prefix
}

// Creates folders below dir until the deepest one's path has exactly nLength
// characters (nLength must exceed dir's length by 2 or more).
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

bool CopyProgramTo(const std::wstring &path)
{
    return CopyFileW(ProgramPath().c_str(), (L"\\\\?\\" + path).c_str(), FALSE) != FALSE;
}

static bool ReadWholeFile(const std::wstring &path, std::vector<BYTE> *pBytes)
{
    HANDLE hFile = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    pBytes->resize(GetFileSize(hFile, NULL));
    DWORD cbRead = 0;
    bool bOk = ReadFile(hFile, pBytes->data(), (DWORD)pBytes->size(), &cbRead, NULL) && cbRead == pBytes->size();
    CloseHandle(hFile);
    return bOk;
}

static bool WriteWholeFile(const std::wstring &path, const std::vector<BYTE> &bytes)
{
    HANDLE hFile = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD cbWritten = 0;
    bool bOk = WriteFile(hFile, bytes.data(), (DWORD)bytes.size(), &cbWritten, NULL) && cbWritten == bytes.size();
    return CloseHandle(hFile) && bOk;
}

// The directory entry with a numeric id among a resource directory's entries.
static IMAGE_RESOURCE_DIRECTORY_ENTRY *FindResourceEntry(BYTE *pSection, DWORD dwOffset, WORD wId)
{
    IMAGE_RESOURCE_DIRECTORY *pDir = (IMAGE_RESOURCE_DIRECTORY *)(pSection + dwOffset);
    IMAGE_RESOURCE_DIRECTORY_ENTRY *pEntries = (IMAGE_RESOURCE_DIRECTORY_ENTRY *)(pDir + 1);
    for (int i = 0; i < pDir->NumberOfNamedEntries + pDir->NumberOfIdEntries; i++) {
        if (!pEntries[i].NameIsString && pEntries[i].Id == wId)
            return &pEntries[i];
    }
    return NULL;
}

// Start of the resource section in a program file's bytes, or null.
static BYTE *FindResourceSection(std::vector<BYTE> &bytes)
{
    IMAGE_DOS_HEADER *pDos = (IMAGE_DOS_HEADER *)bytes.data();
    IMAGE_NT_HEADERS32 *pNt = (IMAGE_NT_HEADERS32 *)(bytes.data() + pDos->e_lfanew);
    DWORD dwRva = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE].VirtualAddress;
    IMAGE_SECTION_HEADER *pSections = IMAGE_FIRST_SECTION(pNt);
    for (int i = 0; i < pNt->FileHeader.NumberOfSections; i++) {
        if (pSections[i].VirtualAddress == dwRva)
            return bytes.data() + pSections[i].PointerToRawData;
    }
    return NULL;
}

bool RenumberResource(const std::wstring &path, WORD wType, WORD wId, WORD wNewId)
{
    std::vector<BYTE> bytes;
    BYTE *pSection = ReadWholeFile(path, &bytes) ? FindResourceSection(bytes) : NULL;
    IMAGE_RESOURCE_DIRECTORY_ENTRY *pType = pSection ? FindResourceEntry(pSection, 0, wType) : NULL;
    IMAGE_RESOURCE_DIRECTORY_ENTRY *pName =
        pType && pType->DataIsDirectory ? FindResourceEntry(pSection, pType->OffsetToDirectory, wId) : NULL;
    if (!pName)
        return false;
    pName->Id = wNewId;
    return WriteWholeFile(path, bytes);
}

bool SetFileVersion(const std::wstring &path, DWORD dwVersionMS, DWORD dwVersionLS)
{
    std::vector<BYTE> bytes;
    if (!ReadWholeFile(path, &bytes))
        return false;
    for (size_t i = 0; i + sizeof(VS_FIXEDFILEINFO) <= bytes.size(); i += 4) {
        VS_FIXEDFILEINFO *pFixed = (VS_FIXEDFILEINFO *)&bytes[i];
        if (pFixed->dwSignature == VS_FFI_SIGNATURE) {
            pFixed->dwFileVersionMS = dwVersionMS;
            pFixed->dwFileVersionLS = dwVersionLS;
            return WriteWholeFile(path, bytes);
        }
    }
    return false;
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
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    return CreateProcessW(path.c_str(), buffer.data(), NULL, NULL, FALSE, 0, NULL,
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
    const char *pszClass;
    const char *pszCaption;
    HWND hWndOwner;
    HWND hWndFound;
};

static BOOL CALLBACK MatchProcessWindow(HWND hwnd, LPARAM lParam)
{
    WindowQuery *pQuery = (WindowQuery *)lParam;
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hwnd, &dwProcessId);
    char szClass[256] = "";
    GetClassNameA(hwnd, szClass, sizeof(szClass));
    if (dwProcessId != pQuery->dwProcessId || !IsWindowVisible(hwnd) || lstrcmpiA(szClass, pQuery->pszClass) != 0)
        return TRUE;
    if (pQuery->pszCaption && WindowText(hwnd) != pQuery->pszCaption)
        return TRUE;
    if (pQuery->hWndOwner && GetWindow(hwnd, GW_OWNER) != pQuery->hWndOwner)
        return TRUE;
    pQuery->hWndFound = hwnd;
    return FALSE;
}

static HWND WaitForProcessWindow(DWORD dwProcessId, const char *pszClass, const char *pszCaption, HWND hWndOwner,
                                 DWORD dwMilliseconds)
{
    WindowQuery query = {dwProcessId, pszClass, pszCaption, hWndOwner, NULL};
    DWORD dwStart = GetTickCount();
    for (;;) {
        EnumWindows(MatchProcessWindow, (LPARAM)&query);
        if (query.hWndFound || GetTickCount() - dwStart > dwMilliseconds)
            return query.hWndFound;
        Sleep(50);
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
    const int MESSAGE_BOX_TEXT_ID = 0xFFFF;
    return WindowText(GetDlgItem(hWndBox, MESSAGE_BOX_TEXT_ID));
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
