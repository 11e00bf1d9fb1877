// Start-up: an Application started inside the test process on modules
// prepared for the case, with its messages; and where DLLs are searched.
#include "support/Support.h"

#include <shlwapi.h>
#include <thread>

static const char s_szErrorCaption[] = "Erreur durant l'initialisation";

TEST(InitInstance, EachFailureEndsWithItsCodeAndMessageAndTheMajorVersionNamesTheRegistryKey)
{
    // A module without a version, in a folder whose name holds inserts.
    const std::wstring noVersion = MakeScratchDirectory(L"pct%1%n%2!d!%%") + L"\\url_recorder.exe";
    ASSERT_TRUE(CopyFileW(BinPath(L"url_recorder.exe").c_str(), noVersion.c_str(), FALSE));
    const struct {
        const wchar_t *pszModule; // null: the test program's; "": none
        bool bComTaken;           // the thread already runs COM in another apartment
        int nExitCode;
        std::string message, key;
        ULONGLONG ullVersion;
    } cases[] = {
        {L"", false, 1001, "", "", 0},
        {noVersion.c_str(), false, 1003,
         "CODE D'ERREUR 1003\r\n\r\nFichier :  \"" + std::string(noVersion.begin(), noVersion.end()) +
             "\"\r\nVersion :  0.0.0.0\r\n\r\n ========================"
             "\r\n\r\nImpossible d'obtenir le nom de fichier de l'application ou de son numéro de version.",
         "", 0},
        {NULL, true, 1011, "CODE D'ERREUR 1011", "Software\\Morvane\\Zelbrant V1", 0x0001000300000000ull},
        {NULL, false, 0, "", "Software\\Morvane\\Zelbrant V1", 0x0001000300000000ull},
    };
    for (const auto &c : cases) {
        HMODULE hModule = !c.pszModule    ? GetModuleHandleA(NULL)
                          : !*c.pszModule ? NULL
                                          : LoadLibraryExW(c.pszModule, NULL, DONT_RESOLVE_DLL_REFERENCES);
        Application app;
        bool bStarted = false, bComInitialized = false;
        std::string text;
        auto start = [&] {
            text = CatchMessageBox([&] { bStarted = app.InitInstance(hModule, (LPSTR) "", SW_SHOWNORMAL); });
            bComInitialized = app.m_bComInitialized;
            app.ExitInstance();
        };
        // This thread runs COM already, as a start-up may find it; another one
        // runs it in another apartment first.
        if (c.bComTaken)
            std::thread([&] {
                CoInitializeEx(NULL, COINIT_MULTITHREADED);
                start();
                CoUninitialize();
            }).join();
        else
            start();
        if (c.pszModule && *c.pszModule)
            FreeLibrary(hModule);
        EXPECT_TRUE(bStarted == (c.nExitCode == 0) && app.m_nExitCode == c.nExitCode) << c.nExitCode;
        EXPECT_EQ(text.substr(0, c.message.empty() ? std::string::npos : sizeof(s_szErrorCaption) + c.message.size()),
                  c.message.empty() ? "" : s_szErrorCaption + ("|" + c.message));
        EXPECT_TRUE(app.m_strRegistryKey == c.key && bComInitialized == (c.nExitCode == 0)) << c.nExitCode;
        EXPECT_EQ(app.m_ullFileVersion, c.ullVersion) << c.nExitCode;
    }
}

TEST(DllSearch, ADllBesideTheProgramIsNotFoundByItsName)
{
    // The test program's application object has limited the search as the program's does.
    ASSERT_TRUE(PathFileExistsW(BinPath(L"planted.dll").c_str()));
    EXPECT_EQ(LoadLibraryA("planted.dll"), (HMODULE)NULL);
}
