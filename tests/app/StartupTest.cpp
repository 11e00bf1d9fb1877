// Start-up and shutdown: an Application started inside the test process on
// modules and working folders prepared for the case, with its messages, and
// the real program started from patched copies.
#include "app/Application.h"
#include "support/Support.h"

#include <gtest/gtest.h>

static const char s_szErrorCaption[] = "Erreur durant l'initialisation";

// Paths are written without the \\?\ prefix and used with it, so that their length is no limit.
static std::wstring Long(const std::wstring &path)
{
    return L"\\\\?\\" + path;
}

// Copies a program of the test folder to path, with the first run of the
// bytes from, when given, replaced by to.
static bool CopyProgram(const wchar_t *pszName, const std::wstring &path, const std::string &from = "",
                        const std::string &to = "")
{
    HANDLE hFile = CreateFileW(BinPath(pszName).c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    std::string bytes(GetFileSize(hFile, NULL), '\0');
    DWORD cb = 0;
    ReadFile(hFile, &bytes[0], (DWORD)bytes.size(), &cb, NULL);
    CloseHandle(hFile);
    size_t nAt = bytes.find(from);
    if (nAt == std::string::npos)
        return false;
    bytes.replace(nAt, to.size(), to);
    hFile = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    bool bWritten = WriteFile(hFile, bytes.data(), (DWORD)bytes.size(), &cb, NULL) && cb == bytes.size();
    return CloseHandle(hFile) && bWritten;
}

TEST(InitInstance, EachFailureEndsWithItsCodeAndMessageAndTheMajorVersionNamesTheRegistryKey)
{
    using namespace std::string_literals;
    EXPECT_TRUE(theApplication.m_nExitCode == 0 && theApplication.m_ullFileVersion == 0x0001000300000000ull);
    const std::string V1 = "Software\\Morvane\\Zelbrant V1";
    EXPECT_EQ(theApplication.m_strRegistryKey, V1);
    ULONGLONG ullVersion = 1;
    EXPECT_TRUE(!GetFileVersion("C:\\no such folder\\none.exe", &ullVersion) && ullVersion == 0);
    // The fixed version block of 1.3.0.0, made 2.7.8.9; a module without a
    // version, in a folder whose name holds inserts; a path of 260 characters.
    const std::wstring version2 = MakeScratchDirectory(L"version2") + L"\\Zelbrant.exe",
                       noVersion = MakeScratchDirectory(L"pct%1%n%2!d!%%") + L"\\url_recorder.exe",
                       longModule = MakeDeepDirectory(MakeScratchDirectory(L"longmodule"), 247) + L"\\Zelbrant.exe";
    ASSERT_TRUE(CopyProgram(L"Zelbrant.exe", version2, "\xBD\x04\xEF\xFE\0\0\1\0\3\0\1\0\0\0\0\0"s,
                            "\xBD\x04\xEF\xFE\0\0\1\0\7\0\2\0\x09\0\x08\0"s) &&
                CopyProgram(L"url_recorder.exe", noVersion) && CopyProgram(L"Zelbrant.exe", longModule));
    const std::wstring longDir = MakeDeepDirectory(MakeScratchDirectory(L"longcwd"), 261);
    const std::string path(noVersion.begin(), noVersion.end());
    const struct {
        const wchar_t *pszModule, *pszDirectory; // null: none, or the test program's
        LPSTR pszCmdLine;
        int nExitCode;
        std::string message, inside; // its start and a part of it
        std::string key;
    } cases[] = {
        {L"", NULL, (LPSTR) "", 1001, "", "", ""},
        {NULL, NULL, NULL, 1001, "", "", ""},
        {longModule.c_str(), NULL, (LPSTR) "", 1002, "CODE D'ERREUR 1002\r\n\r\nFichier :  \"",
         "\"\r\nVersion :  0.0.0.0\r\n", ""},
        {noVersion.c_str(), NULL, (LPSTR) "", 1003,
         "CODE D'ERREUR 1003\r\n\r\nFichier :  \"" + path +
             "\"\r\nVersion :  0.0.0.0\r\n\r\n ========================"
             "\r\n\r\nImpossible d'obtenir le nom de fichier de l'application ou de son numéro de version.",
         "", ""},
        {NULL, longDir.c_str(), (LPSTR) "", 1009,
         "CODE D'ERREUR 1009\r\n\r\nImpossible d'obtenir l'emplacement du dossier courant.", "", V1},
        {version2.c_str(), NULL, (LPSTR) "", 0, "", "", "Software\\Morvane\\Zelbrant V2"},
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
        EXPECT_EQ(text.substr(0, c.message.empty() ? std::string::npos : sizeof(s_szErrorCaption) + c.message.size()),
                  c.message.empty() ? "" : s_szErrorCaption + ("|" + c.message));
        EXPECT_NE(text.find(c.inside), std::string::npos) << text;
        EXPECT_TRUE(app.m_strRegistryKey == c.key && bComInitialized == (c.nExitCode == 0)) << c.nExitCode;
        EXPECT_EQ(app.m_ullFileVersion, c.key.empty() ? 0
                                        : c.key == V1 ? 0x0001000300000000ull
                                                      : 0x0002000700080009ull);
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

// The real program started from a copy: without its finder cursor it ends at
// once with only a beep; from the longest path it runs.
TEST(Startup, AProgramWithoutItsCursorEndsWith1027AndOneAtTheLongestPathRuns)
{
    using namespace std::string_literals;
    const std::wstring folders[] = {MakeScratchDirectory(L"nocursor"),
                                    MakeDeepDirectory(MakeScratchDirectory(L"longestpath"), 259 - 13)};
    // The cursor's hot spot (15, 15) and the header of its picture, made unreadable.
    ASSERT_TRUE(CopyProgram(L"Zelbrant.exe", folders[0] + L"\\Zelbrant.exe", "\x0F\0\x0F\0\x28\0\0\0\x20\0\0\0\x40\0"s,
                            "\x0F\0\x0F\0\0"s) &&
                CopyProgram(L"Zelbrant.exe", folders[1] + L"\\Zelbrant.exe"));
    // A message box would hold the first one until it is closed.
    for (DWORD dwExpected : {1027, 0}) {
        ChildProcess child;
        ASSERT_TRUE(child.Start((dwExpected ? folders[0] : folders[1]) + L"\\Zelbrant.exe"));
        if (!dwExpected)
            PostMessageA(child.WaitForWindow("#32770", "Zelbrant", 15000), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(child.WaitForExit(15000), dwExpected);
    }
}
