// Start-up checks of the application object that are provoked inside the
// test process: a second Application is started on modules and directories
// prepared for the case, and its messages are caught and read.
#include "app/Application.h"
#include "support/Process.h"

#include <gtest/gtest.h>

static const char s_szErrorCaption[] = "Erreur durant l'initialisation";

// Loads a program file as a module without running it, so that an
// Application can be started on it.
static HMODULE LoadProgramModule(const std::wstring &path)
{
    return LoadLibraryExW((L"\\\\?\\" + path).c_str(), NULL, DONT_RESOLVE_DLL_REFERENCES);
}

TEST(InitInstance, AModulePathOf260CharactersGives1002AndShowsVersionZero)
{
    std::wstring exe = MakeDeepDirectory(MakeScratchDirectory(L"longmodule"), 260 - 13) + L"\\Zelbrant.exe";
    ASSERT_EQ(exe.size(), 260u);
    ASSERT_TRUE(CopyProgramTo(exe));
    HMODULE hModule = LoadProgramModule(exe);
    ASSERT_TRUE(hModule);

    Application app;
    MessageBoxCatcher box(s_szErrorCaption);
    bool bStarted = app.InitInstance(hModule, (LPSTR) "", SW_SHOWNORMAL);
    std::string text = box.Text();
    app.ExitInstance();
    FreeLibrary(hModule);

    EXPECT_FALSE(bStarted);
    EXPECT_EQ(app.m_nExitCode, 1002);
    EXPECT_EQ(text.rfind("CODE D'ERREUR 1002\r\n\r\nFichier :  \"", 0), 0u) << text;
    EXPECT_NE(text.find("\"\r\nVersion :  0.0.0.0\r\n"), std::string::npos) << text;
    EXPECT_EQ(app.m_ullFileVersion, 0u);
    EXPECT_TRUE(app.m_strRegistryKey.empty());
}

TEST(InitInstance, AnotherMajorVersionUsesItsOwnRegistryKey)
{
    std::wstring exe = MakeScratchDirectory(L"version2") + L"\\Zelbrant.exe";
    ASSERT_TRUE(CopyProgramTo(exe));
    ASSERT_TRUE(SetFileVersion(exe, MAKELONG(7, 2), MAKELONG(9, 8)));
    HMODULE hModule = LoadProgramModule(exe);
    ASSERT_TRUE(hModule);

    Application app;
    bool bStarted = app.InitInstance(hModule, (LPSTR) "", SW_SHOWNORMAL);
    app.ExitInstance();
    FreeLibrary(hModule);

    EXPECT_TRUE(bStarted);
    EXPECT_EQ(app.m_ullFileVersion, 0x0002000700080009ull);
    EXPECT_EQ(app.m_strRegistryKey, "Software\\Morvane\\Zelbrant V2");
}

TEST(InitInstance, AWorkingDirectoryOf260CharactersGives1009)
{
    std::wstring dir = MakeDeepDirectory(MakeScratchDirectory(L"longcwd"), 261);
    char szStartDir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szStartDir);
    ASSERT_TRUE(SetCurrentDirectoryW((L"\\\\?\\" + dir).c_str()));

    Application app;
    MessageBoxCatcher box(s_szErrorCaption);
    bool bStarted = app.InitInstance(GetModuleHandleA(NULL), (LPSTR) "", SW_SHOWNORMAL);
    std::string text = box.Text();
    SetCurrentDirectoryA(szStartDir);

    EXPECT_FALSE(bStarted);
    EXPECT_EQ(app.m_nExitCode, 1009);
    EXPECT_EQ(text, "CODE D'ERREUR 1009\r\n\r\nImpossible d'obtenir l'emplacement du dossier courant.");
    EXPECT_FALSE(app.m_bComInitialized);
}

TEST(InitInstance, NullInstanceOrCommandLineGives1001WithoutMessage)
{
    Application app;
    EXPECT_FALSE(app.InitInstance(NULL, (LPSTR) "", SW_SHOWNORMAL));
    EXPECT_EQ(app.m_nExitCode, 1001);
    EXPECT_FALSE(app.InitInstance(GetModuleHandleA(NULL), NULL, SW_SHOWNORMAL));
    EXPECT_EQ(app.m_nExitCode, 1001);
    EXPECT_FALSE(app.m_bComInitialized);
    EXPECT_EQ(app.m_szModulePath[0], '\0');
}

TEST(InitInstance, TheRunningProgramStartsWithVersion130AndTheV1Key)
{
    EXPECT_EQ(theApplication.m_nExitCode, 0);
    EXPECT_EQ(theApplication.m_ullFileVersion, 0x0001000300000000ull);
    EXPECT_EQ(theApplication.m_strRegistryKey, "Software\\Morvane\\Zelbrant V1");
    EXPECT_TRUE(theApplication.m_bComInitialized);
    EXPECT_TRUE(theApplication.m_hPrivateFont);
    char szDir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szDir);
    EXPECT_STREQ(theApplication.m_szWorkingDir, szDir);
}

TEST(ExitInstance, ReleasesEverythingOnceAndNothingTheSecondTime)
{
    char szStartDir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szStartDir);
    Application app;
    ASSERT_TRUE(app.InitInstance(GetModuleHandleA(NULL), (LPSTR) "", SW_SHOWNORMAL));
    ASSERT_TRUE(app.m_hPrivateFont);
    SetCurrentDirectoryA("C:\\windows");

    app.ExitInstance();
    char szDir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szDir);
    EXPECT_STREQ(szDir, szStartDir);
    EXPECT_FALSE(app.m_hPrivateFont);
    EXPECT_FALSE(app.m_bComInitialized);
    EXPECT_FALSE(app.m_hDwmApi);
    EXPECT_FALSE(app.m_pfnDwmGetWindowAttribute);
    EXPECT_EQ(app.m_szWorkingDir[0], '\0');

    // The test program's own COM initialisation is still in force: the
    // second call must not uninitialise it once more.
    SetCurrentDirectoryA("C:\\windows");
    app.ExitInstance();
    GetCurrentDirectoryA(MAX_PATH, szDir);
    EXPECT_STREQ(szDir, "C:\\windows");
    EXPECT_EQ(CoInitializeEx(NULL, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
    SetCurrentDirectoryA(szStartDir);
}

TEST(GetFileVersion, ReadsTheFixedVersionOrGivesZero)
{
    std::wstring program = ProgramPath();
    ULONGLONG ullVersion = 1;
    EXPECT_TRUE(GetFileVersion(std::string(program.begin(), program.end()).c_str(), &ullVersion));
    EXPECT_EQ(ullVersion, 0x0001000300000000ull);

    ullVersion = 1;
    EXPECT_FALSE(GetFileVersion("C:\\no such folder\\none.exe", &ullVersion));
    EXPECT_EQ(ullVersion, 0u);
}
