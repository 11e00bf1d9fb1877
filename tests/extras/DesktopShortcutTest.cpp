// The desktop shortcut as the shell reads it back, its sounds, and the
// folders it needs. The desktop folder is pointed into the test's own
// temporary folder through the per-user shell folders.
#include "app/Application.h"
#include "extras/DesktopShortcut.h"
#include "res/resource.h"
#include "support/Process.h"
#include "support/SoundSpy.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shlwapi.h>

namespace {

const char s_szShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

std::string Narrow(const std::wstring &path)
{
    return std::string(path.begin(), path.end()); // the temporary folder's path is plain ASCII
}

int CountFiles(const std::string &dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((dir + "\\*.*").c_str(), &fd);
    int nFiles = 0;
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore; bMore = FindNextFileA(hFind, &fd))
        nFiles += !(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (hFind != INVALID_HANDLE_VALUE)
        FindClose(hFind);
    return nFiles;
}

// The shortcut as the shell's link object loads it, one property a line.
std::string ReadShortcut(const std::string &path)
{
    IShellLinkA *pLink = NULL;
    IPersistFile *pFile = NULL;
    std::wstring wpath(path.begin(), path.end());
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void **)&pLink)))
        return "no link object";
    char szTarget[MAX_PATH] = "", szDir[MAX_PATH] = "", szDesc[MAX_PATH] = "", szIcon[MAX_PATH] = "";
    int nIcon = 0, nShow = 0;
    WORD wHotkey = 0xFFFF;
    bool bLoaded = SUCCEEDED(pLink->QueryInterface(IID_IPersistFile, (void **)&pFile)) &&
                   SUCCEEDED(pFile->Load(wpath.c_str(), STGM_READ));
    if (bLoaded) {
        pLink->GetPath(szTarget, MAX_PATH, NULL, SLGP_RAWPATH);
        pLink->GetWorkingDirectory(szDir, MAX_PATH);
        pLink->GetDescription(szDesc, MAX_PATH);
        pLink->GetIconLocation(szIcon, MAX_PATH, &nIcon);
        pLink->GetShowCmd(&nShow);
        pLink->GetHotkey(&wHotkey);
    }
    if (pFile)
        pFile->Release();
    pLink->Release();
    if (!bLoaded)
        return "not loaded";
    return std::string(szTarget) + "\n" + szDir + "\n" + szDesc + "\n" + szIcon + "," + std::to_string(nIcon) +
           "\nshow " + std::to_string(nShow) + " hotkey " + std::to_string(wHotkey);
}

class DesktopShortcut : public testing::Test {
protected:
    void SetUp() override
    {
        m_strScratch = Narrow(MakeScratchDirectory(L"desktop"));
        DWORD cb = sizeof(m_szOldDesktop);
        RegGetValueA(HKEY_CURRENT_USER, s_szShellFolders, "Desktop", RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, NULL,
                     m_szOldDesktop, &cb);
        ASSERT_TRUE(m_spy.Installed());
    }
    void TearDown() override
    {
        PointDesktopAt(m_szOldDesktop);
    }

    void PointDesktopAt(const std::string &dir)
    {
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, s_szShellFolders, "Desktop", REG_EXPAND_SZ, dir.c_str(),
                                  (DWORD)dir.size() + 1),
                  ERROR_SUCCESS);
    }

    std::string m_strScratch;
    char m_szOldDesktop[MAX_PATH] = "%USERPROFILE%\\Desktop";
    SoundSpy m_spy;
};

} // namespace

TEST_F(DesktopShortcut, TwiceOverAnOlderReadOnlyOneLeavesOneShortcutWithTheLatestProperties)
{
    std::string link = m_strScratch + "\\Zelbrant.lnk";
    SetFileAttributesA(link.c_str(), FILE_ATTRIBUTE_NORMAL); // one left by an earlier run is not cleaned away
    HANDLE hOld = CreateFileA(link.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, NULL);
    ASSERT_NE(hOld, INVALID_HANDLE_VALUE);
    CloseHandle(hOld);
    PointDesktopAt(m_strScratch);

    char szWorkingDir[MAX_PATH];
    lstrcpyA(szWorkingDir, theApplication.m_szWorkingDir);
    lstrcpyA(theApplication.m_szWorkingDir, "C:\\");
    EXPECT_TRUE(theApplication.CreateDesktopShortcut());
    lstrcpyA(theApplication.m_szWorkingDir, szWorkingDir);
    EXPECT_TRUE(theApplication.CreateDesktopShortcut());

    char szProgram[MAX_PATH], szStartDir[MAX_PATH];
    GetModuleFileNameA(NULL, szProgram, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, szStartDir);
    EXPECT_EQ(ReadShortcut(link), std::string(szProgram) + "\n" + szStartDir +
                                      "\nD\xE9marrer l'application Zelbrant\n" + szProgram + ",-101\nshow 1 hotkey 0");
    EXPECT_EQ(CountFiles(m_strScratch), 1);
    // Wine run by root writes over a read-only file, so the flag shows it.
    EXPECT_FALSE(GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(m_spy.Sounds(), (std::vector<UINT>{IDW_SHORTCUT_CREATED, IDW_SHORTCUT_CREATED}));
}

TEST_F(DesktopShortcut, ADesktopFolderWhereTheShortcutsNameDoesNotFitFailsAndWritesNothing)
{
    // desktop + "\Zelbrant.lnk" takes 259 characters at most
    const struct {
        size_t nLength;
        UINT nSound;
    } cases[] = {{246, IDW_SHORTCUT_CREATED}, {247, IDW_FAILURE}};
    for (const auto &c : cases) {
        std::string desktop = Narrow(MakeDeepDirectory(MakeScratchDirectory(L"long"), c.nLength));
        PointDesktopAt(desktop);
        m_spy.Clear();
        EXPECT_EQ(theApplication.CreateDesktopShortcut(), c.nSound == IDW_SHORTCUT_CREATED) << c.nLength;
        EXPECT_EQ(m_spy.Sounds(), std::vector<UINT>{c.nSound}) << c.nLength;
        EXPECT_EQ(CountFiles(desktop), c.nSound == IDW_SHORTCUT_CREATED) << c.nLength;
    }
}

TEST_F(DesktopShortcut, MissingFoldersAreCreatedLevelByLevelButNotOnADriveThatDoesNotExist)
{
    ASSERT_FALSE(GetLogicalDrives() & (1 << ('Q' - 'A')));
    std::string file = m_strScratch + "\\file";
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL));
    const struct {
        std::string path;
        bool bMade;
    } cases[] = {{m_strScratch + "\\a\\b\\c", true}, {"Q:\\a\\b", false}, {file, false}, {"", false}};
    for (const auto &c : cases) {
        EXPECT_EQ(EnsureDirectory(c.path.c_str()), c.bMade) << c.path;
        EXPECT_EQ(PathIsDirectoryA(c.path.c_str()) != FALSE, c.bMade) << c.path;
    }
}
