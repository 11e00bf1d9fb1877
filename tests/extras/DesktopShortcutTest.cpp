// The desktop shortcut as the shell's link object reads it back, its sounds,
// and the folders it needs. The desktop folder is pointed into the test's
// temporary folder through the per-user shell folders.
#include "app/Application.h"
#include "extras/DesktopShortcut.h"
#include "res/resource.h"
#include "support/Support.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shlwapi.h>

// The shortcut's properties, one a line, or nothing when it cannot be loaded.
static std::string ReadShortcut(const std::string &path)
{
    IShellLinkA *pLink = NULL;
    IPersistFile *pFile = NULL;
    char szTarget[MAX_PATH] = "", szDir[MAX_PATH] = "", szDesc[MAX_PATH] = "", szIcon[MAX_PATH] = "";
    int nIcon = 0, nShow = 0;
    WORD wHotkey = 0xFFFF;
    CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void **)&pLink);
    if (!pLink || FAILED(pLink->QueryInterface(IID_IPersistFile, (void **)&pFile)) ||
        FAILED(pFile->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ)))
        return "";
    pLink->GetPath(szTarget, MAX_PATH, NULL, SLGP_RAWPATH);
    pLink->GetWorkingDirectory(szDir, MAX_PATH);
    pLink->GetDescription(szDesc, MAX_PATH);
    pLink->GetIconLocation(szIcon, MAX_PATH, &nIcon);
    pLink->GetShowCmd(&nShow);
    pLink->GetHotkey(&wHotkey);
    pFile->Release();
    pLink->Release();
    return std::string(szTarget) + "\n" + szDir + "\n" + szDesc + "\n" + szIcon + "," + std::to_string(nIcon) + "\n" +
           std::to_string(nShow) + "," + std::to_string(wHotkey);
}

TEST(DesktopShortcut,
     WrittenTwiceOverAReadOnlyOneHasTheLatestPropertiesUnlessItsNameDoesNotFitAndFoldersAreMadeLevelByLevel)
{
    const char szShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    char szProgram[MAX_PATH], szStartDir[MAX_PATH], szWorkingDir[MAX_PATH];
    GetModuleFileNameA(NULL, szProgram, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, szStartDir);
    lstrcpyA(szWorkingDir, theApplication.m_szWorkingDir);
    for (size_t nLength : {246, 247}) { // the link's path has 259 characters at most
        bool bFits = nLength == 246;
        std::wstring wdesktop = MakeDeepDirectory(MakeScratchDirectory(L"desktop"), nLength);
        std::string desktop(wdesktop.begin(), wdesktop.end()), link = desktop + "\\Zelbrant.lnk";
        if (bFits)
            CloseHandle(CreateFileA(link.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, 0));
        RegSetKeyValueA(HKEY_CURRENT_USER, szShellFolders, "Desktop", REG_SZ, desktop.c_str(), desktop.size() + 1);
        SoundSpy spy;
        lstrcpyA(theApplication.m_szWorkingDir, "C:\\"); // the first shortcut's, replaced by the second
        EXPECT_EQ(theApplication.CreateDesktopShortcut(), bFits);
        lstrcpyA(theApplication.m_szWorkingDir, szWorkingDir);
        EXPECT_EQ(theApplication.CreateDesktopShortcut(), bFits);
        UINT nSound = bFits ? IDW_SHORTCUT_CREATED : IDW_FAILURE;
        EXPECT_EQ(spy.m_sounds, (std::vector<UINT>{nSound, nSound}));
        // Wine run by root writes over a read-only file: the flag tells it was cleared.
        DWORD dwAttributes = GetFileAttributesA(link.c_str());
        EXPECT_EQ(dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_READONLY), bFits);
        EXPECT_EQ(ReadShortcut(link), bFits ? std::string(szProgram) + "\n" + szStartDir +
                                                  "\nD\xE9marrer l'application Zelbrant\n" + szProgram + ",-101\n1,0"
                                            : "");
        // An empty icon file names no icon.
        EXPECT_TRUE(!bFits || (WriteDesktopShortcut(theApplication, szProgram, "") >= 0 &&
                               ReadShortcut(link).find("\n,0\n") != std::string::npos));
    }
    RegSetKeyValueA(HKEY_CURRENT_USER, szShellFolders, "Desktop", REG_EXPAND_SZ, "%USERPROFILE%\\Desktop", 22);
    // A missing folder is made level by level, never on a drive that does not exist or over a file.
    ASSERT_FALSE(GetLogicalDrives() & (1 << ('Q' - 'A')));
    std::wstring wdir = MakeScratchDirectory(L"levels");
    std::string dir(wdir.begin(), wdir.end()), file = dir + "\\file";
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL));
    for (const std::string &path : {dir + "\\a\\b\\c", std::string("Q:\\a\\b"), file}) {
        EXPECT_EQ(EnsureDirectory(path.c_str()), path == dir + "\\a\\b\\c") << path;
        EXPECT_EQ(PathIsDirectoryA(path.c_str()) != FALSE, path == dir + "\\a\\b\\c") << path;
    }
}
