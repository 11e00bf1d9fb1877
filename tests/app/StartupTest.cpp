// Start-up of the real program: the failure messages, their exit codes, and
// the limits on the paths it is started from.
#include "support/Process.h"

#include <gtest/gtest.h>

static const char s_szErrorCaption[] = "Erreur durant l'initialisation";
static const DWORD TIMEOUT_MS = 30000;

static std::string Narrow(const std::wstring &text)
{
    return std::string(text.begin(), text.end());
}

static std::string FileAndVersionMessage(int nCode, const std::string &path, const char *pszVersion)
{
    return "CODE D'ERREUR " + std::to_string(nCode) + "\r\n\r\nFichier :  \"" + path +
           "\"\r\nVersion :  " + pszVersion +
           "\r\n\r\n ========================\r\n\r\n"
           "Impossible d'obtenir le nom de fichier de l'application ou de son numéro de version.";
}

// Runs the program and returns the text of the error box it shows (empty
// when it ends without one), after dismissing it; *pdwExitCode gets the exit
// code.
static std::string RunUntilExit(const std::wstring &exe, const std::wstring &directory, DWORD *pdwExitCode)
{
    ChildProcess child;
    if (!child.Start(exe, directory))
        return "(could not start)";
    std::string text;
    DWORD dwStart = GetTickCount();
    while ((*pdwExitCode = child.WaitForExit(100)) == STILL_ACTIVE && GetTickCount() - dwStart < TIMEOUT_MS) {
        HWND hWndBox = child.WaitForWindow("#32770", s_szErrorCaption, 0);
        if (hWndBox && text.empty()) {
            text = MessageBoxText(hWndBox);
            DismissMessageBox(hWndBox);
        }
    }
    return text;
}

static std::wstring CopyWithoutVersion(const std::wstring &dir)
{
    std::wstring exe = dir + L"\\Zelbrant.exe";
    if (!CopyProgramTo(exe) || !RenumberResource(L"\\\\?\\" + exe, (WORD)(ULONG_PTR)RT_VERSION, 1, 2))
        return std::wstring();
    return exe;
}

// The path is an insert of the message, not part of its template: percent
// signs in it are shown as they are.
TEST(Startup, AProgramWithoutVersionResourceShowsItsPathLiterallyWithVersionZeroAndExitsWith1003)
{
    for (const wchar_t *pszFolder : {L"noversion", L"pct%1%n%2!d!%%"}) {
        std::wstring exe = CopyWithoutVersion(MakeScratchDirectory(pszFolder));
        ASSERT_FALSE(exe.empty());

        DWORD dwExit = 0;
        std::string text = RunUntilExit(exe, std::wstring(), &dwExit);

        EXPECT_EQ(dwExit, 1003u);
        EXPECT_EQ(text, FileAndVersionMessage(1003, Narrow(exe), "0.0.0.0"));
    }
}

TEST(Startup, AModulePathOf259CharactersStartsTheDialog)
{
    std::wstring dir = MakeScratchDirectory(L"longestpath");
    std::wstring exe = MakeDeepDirectory(dir, 259 - 13) + L"\\Zelbrant.exe";
    ASSERT_EQ(exe.size(), 259u);
    ASSERT_TRUE(CopyProgramTo(exe));

    ChildProcess child;
    ASSERT_TRUE(child.Start(exe));
    EXPECT_TRUE(child.WaitForWindow("#32770", "Zelbrant", TIMEOUT_MS));
}

// Without its template the dialog cannot be created; without the finder
// cursor it ends at once. Either way the program only beeps.
TEST(Startup, ADialogThatCannotBeShownEndsWith1027AndNoMessage)
{
    struct Removal {
        const wchar_t *pszFolder;
        LPCSTR pszType;
        WORD wId, wNewId;
    };
    for (const Removal &removal :
         {Removal{L"notemplate", RT_DIALOG, 196, 197}, Removal{L"nocursor", RT_GROUP_CURSOR, 191, 190}}) {
        std::wstring exe = MakeScratchDirectory(removal.pszFolder) + L"\\Zelbrant.exe";
        ASSERT_TRUE(CopyProgramTo(exe));
        ASSERT_TRUE(RenumberResource(exe, (WORD)(ULONG_PTR)removal.pszType, removal.wId, removal.wNewId));

        DWORD dwExit = 0;
        std::string text = RunUntilExit(exe, std::wstring(), &dwExit);

        EXPECT_EQ(dwExit, 1027u);
        EXPECT_EQ(text, "");
    }
}
