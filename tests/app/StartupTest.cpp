// Start-up and shutdown: an Application started inside the test process on
// modules and working folders prepared for the case, and the real program
// started from copies whose resources were changed, with their messages.
#include "app/Application.h"
#include "support/Support.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

static const char s_szErrorCaption[] = "Erreur durant l'initialisation";

// Paths are written without the \\?\ prefix and used with it, so that their length is no limit.
static std::wstring Long(const std::wstring &path)
{
    return L"\\\\?\\" + path;
}

typedef std::function<bool(std::vector<BYTE> &)> Change;

// Copies Zelbrant.exe to path, changing its bytes on the way.
static bool CopyProgram(const std::wstring &path, const Change &change = nullptr)
{
    HANDLE hFile = CreateFileW(BinPath(L"Zelbrant.exe").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    std::vector<BYTE> bytes(GetFileSize(hFile, NULL));
    DWORD cb = 0;
    ReadFile(hFile, bytes.data(), (DWORD)bytes.size(), &cb, NULL);
    CloseHandle(hFile);
    if (change && !change(bytes))
        return false;
    hFile = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    bool bWritten = WriteFile(hFile, bytes.data(), (DWORD)bytes.size(), &cb, NULL) && cb == bytes.size();
    return CloseHandle(hFile) && bWritten;
}

// Gives a resource another id, so that the program no longer finds it; the new
// id must keep the directory's ascending order (the loader bisects it).
static Change Renumber(WORD wType, WORD wId, WORD wNewId)
{
    return [=](std::vector<BYTE> &bytes) {
        IMAGE_NT_HEADERS32 *pNt = (IMAGE_NT_HEADERS32 *)(bytes.data() + ((IMAGE_DOS_HEADER *)bytes.data())->e_lfanew);
        DWORD dwRva = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE].VirtualAddress;
        IMAGE_SECTION_HEADER *pSection = IMAGE_FIRST_SECTION(pNt);
        for (int i = 1; i < pNt->FileHeader.NumberOfSections && pSection->VirtualAddress != dwRva; i++)
            pSection++;
        BYTE *pRoot = bytes.data() + pSection->PointerToRawData;
        DWORD dwDirectory = 0; // the type's entry leads to the directory of its ids
        for (WORD wWanted : {wType, wId}) {
            IMAGE_RESOURCE_DIRECTORY *pDir = (IMAGE_RESOURCE_DIRECTORY *)(pRoot + dwDirectory);
            IMAGE_RESOURCE_DIRECTORY_ENTRY *pEntry = (IMAGE_RESOURCE_DIRECTORY_ENTRY *)(pDir + 1);
            IMAGE_RESOURCE_DIRECTORY_ENTRY *pEnd = pEntry + pDir->NumberOfNamedEntries + pDir->NumberOfIdEntries;
            while (pEntry < pEnd && (pEntry->NameIsString || pEntry->Id != wWanted))
                pEntry++;
            if (pEntry == pEnd)
                return false;
            if (dwDirectory)
                pEntry->Id = wNewId;
            dwDirectory = pEntry->OffsetToDirectory;
        }
        return true;
    };
}

TEST(InitInstance, EachFailureEndsWithItsCodeAndMessageAndTheMajorVersionNamesTheRegistryKey)
{
    EXPECT_TRUE(theApplication.m_nExitCode == 0 && theApplication.m_ullFileVersion == 0x0001000300000000ull);
    const char *const V1 = "Software\\Morvane\\Zelbrant V1";
    EXPECT_EQ(theApplication.m_strRegistryKey, V1);
    ULONGLONG ullVersion = 1;
    EXPECT_TRUE(!GetFileVersion("C:\\no such folder\\none.exe", &ullVersion) && ullVersion == 0);
    const std::wstring longModule =
                           MakeDeepDirectory(MakeScratchDirectory(L"longmodule"), 260 - 13) + L"\\Zelbrant.exe",
                       version2 = MakeScratchDirectory(L"version2") + L"\\Zelbrant.exe";
    ASSERT_TRUE(CopyProgram(longModule) && CopyProgram(version2, [](std::vector<BYTE> &bytes) {
                    for (size_t i = 0; i + sizeof(VS_FIXEDFILEINFO) <= bytes.size(); i += 4) {
                        VS_FIXEDFILEINFO *pFixed = (VS_FIXEDFILEINFO *)&bytes[i];
                        if (pFixed->dwSignature == VS_FFI_SIGNATURE) {
                            pFixed->dwFileVersionMS = MAKELONG(7, 2);
                            pFixed->dwFileVersionLS = MAKELONG(9, 8);
                            return true;
                        }
                    }
                    return false;
                }));
    const std::wstring longDir = MakeDeepDirectory(MakeScratchDirectory(L"longcwd"), 261);
    const struct {
        const wchar_t *pszModule, *pszDirectory; // null: none, or the test program's
        LPSTR pszCmdLine;
        int nExitCode;
        const char *pszMessage, *pszInside; // its start and a part of it; null: no message
        const char *pszKey;
    } cases[] = {
        {L"", NULL, (LPSTR) "", 1001, NULL, NULL, ""},
        {NULL, NULL, NULL, 1001, NULL, NULL, ""},
        {longModule.c_str(), NULL, (LPSTR) "", 1002, "CODE D'ERREUR 1002\r\n\r\nFichier :  \"",
         "\"\r\nVersion :  0.0.0.0\r\n", ""},
        {NULL, longDir.c_str(), (LPSTR) "", 1009,
         "CODE D'ERREUR 1009\r\n\r\nImpossible d'obtenir l'emplacement du dossier courant.", "", V1},
        {version2.c_str(), NULL, (LPSTR) "", 0, NULL, NULL, "Software\\Morvane\\Zelbrant V2"},
    };
    wchar_t szStartDir[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, szStartDir);
    for (const auto &c : cases) {
        HMODULE hModule = !c.pszModule ? GetModuleHandleA(NULL)
                          : !*c.pszModule
                              ? NULL
                              : LoadLibraryExW(Long(c.pszModule).c_str(), NULL, DONT_RESOLVE_DLL_REFERENCES);
        ASSERT_TRUE(!c.pszDirectory || SetCurrentDirectoryW(Long(c.pszDirectory).c_str()));
        Application app;
        bool bStarted = false;
        std::string text = CatchMessageBox([&] { bStarted = app.InitInstance(hModule, c.pszCmdLine, SW_SHOWNORMAL); });
        bool bComInitialized = app.m_bComInitialized;
        app.ExitInstance();
        SetCurrentDirectoryW(szStartDir);
        if (c.pszModule && *c.pszModule)
            FreeLibrary(hModule);
        EXPECT_TRUE(bStarted == (c.nExitCode == 0) && app.m_nExitCode == c.nExitCode) << c.nExitCode;
        EXPECT_EQ(text.empty(), !c.pszMessage) << text;
        EXPECT_TRUE(text.rfind(std::string(s_szErrorCaption) + "|" + (c.pszMessage ? c.pszMessage : ""), 0) == 0 ||
                    !c.pszMessage) << text;
        EXPECT_NE(text.find(c.pszInside ? c.pszInside : ""), std::string::npos) << text;
        EXPECT_EQ(app.m_strRegistryKey, c.pszKey);
        EXPECT_EQ(bComInitialized, c.nExitCode == 0) << c.nExitCode;
    }
}

TEST(ExitInstance, ReleasesEverythingOnceAndNothingTheSecondTime)
{
    char szStartDir[MAX_PATH], szDir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szStartDir);
    EXPECT_STREQ(theApplication.m_szWorkingDir, szStartDir);
    Application app;
    ASSERT_TRUE(app.InitInstance(GetModuleHandleA(NULL), (LPSTR) "", SW_SHOWNORMAL) && app.m_hPrivateFont);
    for (int i = 0; i < 2; i++) { // the first call goes back to the working folder, the second does nothing
        SetCurrentDirectoryA("C:\\windows");
        app.ExitInstance();
        GetCurrentDirectoryA(MAX_PATH, szDir);
        EXPECT_STREQ(szDir, i == 0 ? szStartDir : "C:\\windows");
    }
    EXPECT_FALSE(app.m_hPrivateFont || app.m_bComInitialized || app.m_hDwmApi || app.m_pfnDwmGetWindowAttribute);
    EXPECT_EQ(app.m_szWorkingDir[0], '\0');
    // The test program's own COM initialisation is still in force: the
    // second call did not uninitialise it once more.
    EXPECT_EQ(CoInitializeEx(NULL, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
    SetCurrentDirectoryA(szStartDir);
}

// The real program started from a copy: without its version it shows its path
// as it is (percent signs are no inserts); without its dialog template or its
// finder cursor it ends at once with only a beep; from the longest path it runs.
TEST(Startup, AProgramWithoutVersionShowsItsPathLiterallyAndOneWithoutItsDialogOrCursorEndsWith1027)
{
    const struct {
        std::wstring exe;
        Change change;
        DWORD dwExitCode;
    } cases[] = {
        {MakeScratchDirectory(L"noversion"), Renumber(16 /* RT_VERSION */, 1, 2), 1003},
        {MakeScratchDirectory(L"pct%1%n%2!d!%%"), Renumber(16, 1, 2), 1003},
        {MakeScratchDirectory(L"notemplate"), Renumber(5 /* RT_DIALOG */, 196, 197), 1027},
        {MakeScratchDirectory(L"nocursor"), Renumber(12 /* RT_GROUP_CURSOR */, 191, 190), 1027},
        {MakeDeepDirectory(MakeScratchDirectory(L"longestpath"), 259 - 13), nullptr, 0},
    };
    for (const auto &c : cases) {
        std::wstring exe = c.exe + L"\\Zelbrant.exe";
        ChildProcess child;
        ASSERT_TRUE(CopyProgram(exe, c.change) && child.Start(exe));
        std::string text, path(exe.begin(), exe.end());
        DWORD dwExitCode;
        for (DWORD dwStart = GetTickCount(); (dwExitCode = child.WaitForExit(100)) == STILL_ACTIVE;) {
            HWND hWnd = child.WaitForWindow("#32770", NULL, 0);
            if (GetTickCount() - dwStart > 30000)
                break;
            else if (WindowText(hWnd) == s_szErrorCaption && text.empty())
                text = DismissMessageBox(hWnd).substr(sizeof(s_szErrorCaption));
            else if (WindowText(hWnd) == "Zelbrant") // the main dialog
                PostMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        EXPECT_EQ(dwExitCode, c.dwExitCode) << path;
        EXPECT_EQ(text, c.dwExitCode != 1003 ? ""
                                             : "CODE D'ERREUR 1003\r\n\r\nFichier :  \"" + path +
                                                   "\"\r\nVersion :  0.0.0.0\r\n\r\n ========================\r\n\r\n"
                                                   "Impossible d'obtenir le nom de fichier de l'application ou de "
                                                   "son numéro de version.");
    }
}
