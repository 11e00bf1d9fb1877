// Start-up and shutdown: an Application started inside the test process on
// modules and working folders prepared for the case, and the real program
// started from copies whose resources were changed, with their messages.
#include "app/Application.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

static const char s_szErrorCaption[] = "Erreur durant l'initialisation";

// Paths are written without the \\?\ prefix and used with it, so that their
// length is no limit.
static std::wstring Long(const std::wstring &path)
{
    return L"\\\\?\\" + path;
}

typedef std::function<bool(std::vector<BYTE> &)> Change;

// Copies Zelbrant.exe to path, changing its bytes on the way.
static bool CopyProgram(const std::wstring &path, const Change &change = nullptr)
{
    HANDLE hFile = CreateFileW(ProgramPath().c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
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

// Loads a program file as a module without running it, for an Application to start on.
static HMODULE LoadProgramModule(const std::wstring &path)
{
    return LoadLibraryExW(Long(path).c_str(), NULL, DONT_RESOLVE_DLL_REFERENCES);
}

TEST(InitInstance, AModulePathOf260CharactersGives1002AndShowsVersionZero)
{
    std::wstring exe = MakeDeepDirectory(MakeScratchDirectory(L"longmodule"), 260 - 13) + L"\\Zelbrant.exe";
    ASSERT_EQ(exe.size(), 260u);
    ASSERT_TRUE(CopyProgram(exe));
    HMODULE hModule = LoadProgramModule(exe);
    Application app;
    MessageBoxCatcher box(s_szErrorCaption);
    EXPECT_FALSE(app.InitInstance(hModule, (LPSTR) "", SW_SHOWNORMAL));
    std::string text = box.Text();
    app.ExitInstance();
    FreeLibrary(hModule);

    EXPECT_EQ(app.m_nExitCode, 1002);
    EXPECT_EQ(text.rfind("CODE D'ERREUR 1002\r\n\r\nFichier :  \"", 0), 0u) << text;
    EXPECT_NE(text.find("\"\r\nVersion :  0.0.0.0\r\n"), std::string::npos) << text;
    EXPECT_TRUE(app.m_ullFileVersion == 0 && app.m_strRegistryKey.empty());
}

TEST(InitInstance, TheFileVersionNamesTheRegistryKeyByItsMajorPart)
{
    EXPECT_EQ(theApplication.m_nExitCode, 0);
    EXPECT_EQ(theApplication.m_ullFileVersion, 0x0001000300000000ull);
    EXPECT_EQ(theApplication.m_strRegistryKey, "Software\\Morvane\\Zelbrant V1");
    ULONGLONG ullVersion = 1;
    EXPECT_FALSE(GetFileVersion("C:\\no such folder\\none.exe", &ullVersion));
    EXPECT_EQ(ullVersion, 0u);

    std::wstring exe = MakeScratchDirectory(L"version2") + L"\\Zelbrant.exe";
    ASSERT_TRUE(CopyProgram(exe, [](std::vector<BYTE> &bytes) {
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
    HMODULE hModule = LoadProgramModule(exe);
    Application app;
    EXPECT_TRUE(app.InitInstance(hModule, (LPSTR) "", SW_SHOWNORMAL));
    app.ExitInstance();
    FreeLibrary(hModule);
    EXPECT_EQ(app.m_ullFileVersion, 0x0002000700080009ull);
    EXPECT_EQ(app.m_strRegistryKey, "Software\\Morvane\\Zelbrant V2");
}

TEST(InitInstance, AWorkingDirectoryOf260CharactersGives1009AndNoArgumentsGive1001WithoutMessage)
{
    Application app;
    EXPECT_FALSE(app.InitInstance(NULL, (LPSTR) "", SW_SHOWNORMAL));
    EXPECT_EQ(app.m_nExitCode, 1001);
    EXPECT_FALSE(app.InitInstance(GetModuleHandleA(NULL), NULL, SW_SHOWNORMAL));
    EXPECT_EQ(app.m_nExitCode, 1001);
    EXPECT_TRUE(!app.m_bComInitialized && !app.m_szModulePath[0]);

    char szStartDir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szStartDir);
    ASSERT_TRUE(SetCurrentDirectoryW(Long(MakeDeepDirectory(MakeScratchDirectory(L"longcwd"), 261)).c_str()));
    MessageBoxCatcher box(s_szErrorCaption);
    EXPECT_FALSE(app.InitInstance(GetModuleHandleA(NULL), (LPSTR) "", SW_SHOWNORMAL));
    std::string text = box.Text();
    SetCurrentDirectoryA(szStartDir);
    EXPECT_EQ(app.m_nExitCode, 1009);
    EXPECT_EQ(text, "CODE D'ERREUR 1009\r\n\r\nImpossible d'obtenir l'emplacement du dossier courant.");
    EXPECT_FALSE(app.m_bComInitialized);
}

TEST(ExitInstance, ReleasesEverythingOnceAndNothingTheSecondTime)
{
    char szStartDir[MAX_PATH], szDir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szStartDir);
    EXPECT_STREQ(theApplication.m_szWorkingDir, szStartDir);
    EXPECT_TRUE(theApplication.m_bComInitialized && theApplication.m_hPrivateFont);
    Application app;
    ASSERT_TRUE(app.InitInstance(GetModuleHandleA(NULL), (LPSTR) "", SW_SHOWNORMAL));
    ASSERT_TRUE(app.m_hPrivateFont);
    SetCurrentDirectoryA("C:\\windows");

    app.ExitInstance();
    GetCurrentDirectoryA(MAX_PATH, szDir);
    EXPECT_STREQ(szDir, szStartDir);
    EXPECT_FALSE(app.m_hPrivateFont || app.m_bComInitialized || app.m_hDwmApi || app.m_pfnDwmGetWindowAttribute);
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

// Runs the program and returns the text of the error box it shows (empty
// when it ends without one), after dismissing it; *pdwExitCode gets the exit
// code.
static std::string RunUntilExit(const std::wstring &exe, DWORD *pdwExitCode)
{
    ChildProcess child;
    if (!child.Start(exe))
        return "(could not start)";
    std::string text;
    for (DWORD dwStart = GetTickCount();
         (*pdwExitCode = child.WaitForExit(100)) == STILL_ACTIVE && GetTickCount() - dwStart < 30000;) {
        HWND hWndBox = child.WaitForWindow("#32770", s_szErrorCaption, 0);
        if (hWndBox && text.empty()) {
            text = MessageBoxText(hWndBox);
            DismissMessageBox(hWndBox);
        }
    }
    return text;
}

// The path is an insert of the message, not part of its template: percent
// signs in it are shown as they are. Without its template the dialog cannot be
// created; without the finder cursor it ends at once: the program only beeps.
TEST(Startup, AProgramWithoutVersionShowsItsPathLiterallyAndOneWithoutItsDialogOrCursorEndsWith1027)
{
    struct Case {
        const wchar_t *pszFolder;
        Change change;
        DWORD dwExitCode;
    } cases[] = {{L"noversion", Renumber(16 /* RT_VERSION */, 1, 2), 1003},
                 {L"pct%1%n%2!d!%%", Renumber(16, 1, 2), 1003},
                 {L"notemplate", Renumber(5 /* RT_DIALOG */, 196, 197), 1027},
                 {L"nocursor", Renumber(12 /* RT_GROUP_CURSOR */, 191, 190), 1027}};
    for (const Case &c : cases) {
        std::wstring exe = MakeScratchDirectory(c.pszFolder) + L"\\Zelbrant.exe";
        ASSERT_TRUE(CopyProgram(exe, c.change));
        DWORD dwExit = 0;
        std::string text = RunUntilExit(exe, &dwExit);

        EXPECT_EQ(dwExit, c.dwExitCode);
        std::string path(exe.begin(), exe.end());
        EXPECT_EQ(text, c.dwExitCode == 1027 ? ""
                                             : "CODE D'ERREUR 1003\r\n\r\nFichier :  \"" + path +
                                                   "\"\r\nVersion :  0.0.0.0\r\n\r\n ========================\r\n\r\n"
                                                   "Impossible d'obtenir le nom de fichier de l'application ou de "
                                                   "son numéro de version.");
    }
}

TEST(Startup, AModulePathOf259CharactersStartsTheDialog)
{
    std::wstring exe = MakeDeepDirectory(MakeScratchDirectory(L"longestpath"), 259 - 13) + L"\\Zelbrant.exe";
    ASSERT_EQ(exe.size(), 259u);
    ASSERT_TRUE(CopyProgram(exe));
    ChildProcess child;
    ASSERT_TRUE(child.Start(exe));
    EXPECT_TRUE(child.WaitForWindow("#32770", "Zelbrant", 30000));
}
