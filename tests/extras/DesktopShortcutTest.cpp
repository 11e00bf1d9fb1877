// The desktop shortcut as the shell's link object reads it back, its sounds,
// and the folders it needs. The desktop folder is pointed into the test's
// temporary folder through the per-user shell folders.
#include "extras/DesktopShortcut.h"
#include "support/Support.h"

#include <shlobj.h>
#include <shlwapi.h>

// The shortcut's target, working folder, description and icon; nothing when it cannot be loaded.
static std::string ReadShortcut(const std::string &path)
{
    IShellLinkA *pLink = NULL;
    IPersistFile *pFile = NULL;
    char szTarget[MAX_PATH] = "", szDir[MAX_PATH] = "", szDesc[MAX_PATH] = "", szIcon[MAX_PATH] = "";
    int nIcon = 0;
    CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void **)&pLink);
    if (!pLink || FAILED(pLink->QueryInterface(IID_IPersistFile, (void **)&pFile)) ||
        FAILED(pFile->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ)))
        return "";
    pLink->GetPath(szTarget, MAX_PATH, NULL, SLGP_RAWPATH);
    pLink->GetWorkingDirectory(szDir, MAX_PATH);
    pLink->GetDescription(szDesc, MAX_PATH);
    pLink->GetIconLocation(szIcon, MAX_PATH, &nIcon);
    pFile->Release();
    pLink->Release();
    return std::string(szTarget) + "\n" + szDir + "\n" + szDesc + "\n" + szIcon + "," + std::to_string(nIcon);
}

TEST(DesktopShortcut, WrittenTwiceOverAReadOnlyOneItHasTheLatestPropertiesButNeverInARelativeFolder)
{
    const char szShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    char szProgram[MAX_PATH], szStartDir[MAX_PATH];
    GetModuleFileNameA(NULL, szProgram, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, szStartDir);
    std::wstring wdir = MakeScratchDirectory(L"desktop");
    const std::string dir(wdir.begin(), wdir.end()), link = dir + "\\Zelbrant.lnk";
    RegSetKeyValueA(HKEY_CURRENT_USER, szShellFolders, "Desktop", REG_SZ, dir.c_str(), dir.size() + 1);
    CloseHandle(CreateFileA(link.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, 0));
    SoundSpy spy;
    lstrcpyA(theApplication.m_szWorkingDir, "C:\\"); // the first shortcut's, replaced by the second
    EXPECT_TRUE(theApplication.CreateDesktopShortcut());
    lstrcpyA(theApplication.m_szWorkingDir, szStartDir);
    EXPECT_TRUE(theApplication.CreateDesktopShortcut());
    // Wine run by root writes over a read-only file: the flag tells it was cleared.
    EXPECT_FALSE(GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_READONLY);
    const std::string properties =
        std::string(szProgram) + "\n" + szStartDir + "\nD\xE9marrer l'application Zelbrant\n";
    EXPECT_EQ(ReadShortcut(link), properties + szProgram + ",-101");
    ASSERT_GE(WriteDesktopShortcut(theApplication, szProgram, ""), 0); // an empty icon file names no icon
    EXPECT_EQ(ReadShortcut(link), properties + ",0");
    // Under Wine the shell answers a missing desktop folder with the default
    // one, but a relative one as it is set.
    CreateDirectoryA("relative", NULL);
    RegSetKeyValueA(HKEY_CURRENT_USER, szShellFolders, "Desktop", REG_SZ, "relative", 9);
    EXPECT_FALSE(theApplication.CreateDesktopShortcut());
    EXPECT_EQ(spy.m_sounds, (std::vector<UINT>{IDW_SHORTCUT_CREATED, IDW_SHORTCUT_CREATED, IDW_FAILURE}));
    RegSetKeyValueA(HKEY_CURRENT_USER, szShellFolders, "Desktop", REG_EXPAND_SZ, "%USERPROFILE%\\Desktop", 22);
    // A missing folder is made level by level, never on a drive that does not exist or over a file.
    ASSERT_FALSE(GetLogicalDrives() & (1 << ('Q' - 'A')));
    const std::string file = dir + "\\file";
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL));
    for (const std::string &path : {std::string("Q:\\a\\b"), file, dir + "\\a\\b\\c"})
        EXPECT_EQ(EnsureDirectory(path.c_str()), path == dir + "\\a\\b\\c") << path;
    EXPECT_TRUE(PathIsDirectoryA((dir + "\\a\\b\\c").c_str()));
}
