// The desktop shortcut as the shell's link object reads it back, its sounds,
// and the folders it needs. The desktop folder is pointed into the test's
// temporary folder through the per-user shell folders.
#include "extras/DesktopShortcut.h"
#include "support/Support.h"

#include <shlobj.h>
#include <shlwapi.h>

std::wstring ReadShortcut(const std::wstring &path)
{
    IShellLinkW *pLink = NULL;
    IPersistFile *pFile = NULL;
    WCHAR wszTarget[MAX_PATH] = L"", wszDir[MAX_PATH] = L"", wszDesc[MAX_PATH] = L"", wszIcon[MAX_PATH] = L"";
    int nIcon = 0;
    CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkW, (void **)&pLink);
    if (!pLink || FAILED(pLink->QueryInterface(IID_IPersistFile, (void **)&pFile)) ||
        FAILED(pFile->Load(path.c_str(), STGM_READ)))
        return L"";
    // The target is read from the item list that the shell resolves: Wine's
    // GetPath answers with the link's ANSI copy of the path.
    PIDLIST_ABSOLUTE pidl = NULL;
    if (SUCCEEDED(pLink->GetIDList(&pidl)))
        SHGetPathFromIDListW(pidl, wszTarget);
    CoTaskMemFree(pidl);
    pLink->GetWorkingDirectory(wszDir, MAX_PATH);
    pLink->GetDescription(wszDesc, MAX_PATH);
    pLink->GetIconLocation(wszIcon, MAX_PATH, &nIcon);
    pFile->Release();
    pLink->Release();
    return std::wstring(wszTarget) + L"\n" + wszDir + L"\n" + wszDesc + L"\n" + wszIcon + L"," + std::to_wstring(nIcon);
}

TEST(DesktopShortcut, WrittenTwiceOverAReadOnlyOneItHasTheLatestPropertiesButNeverInARelativeFolder)
{
    const std::wstring program = theApplication.m_wszModulePath, dir = MakeScratchDirectory(L"desktop"),
                       link = dir + L"\\Zelbrant.lnk";
    SetDesktopFolder(dir);
    CloseHandle(CreateFileW(link.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, 0));
    SoundSpy spy;
    lstrcpyW(theApplication.m_wszWorkingDir, L"C:\\"); // the first shortcut's, replaced by the second
    EXPECT_TRUE(theApplication.CreateDesktopShortcut());
    lstrcpyW(theApplication.m_wszWorkingDir, dir.c_str());
    EXPECT_TRUE(theApplication.CreateDesktopShortcut());
    // Wine run by root writes over a read-only file: the flag tells it was cleared.
    EXPECT_FALSE(GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_READONLY);
    const std::wstring properties = program + L"\n" + dir + L"\nDémarrer l'application Zelbrant\n";
    EXPECT_EQ(ReadShortcut(link), properties + program + L",-101");
    ASSERT_GE(WriteDesktopShortcut(theApplication, program.c_str(), L""), 0); // an empty icon file names no icon
    EXPECT_EQ(ReadShortcut(link), properties + L",0");
    // Under Wine the shell answers a missing desktop folder with the default
    // one, but a relative one as it is set.
    CreateDirectoryW(L"relative", NULL);
    SetDesktopFolder(L"relative");
    EXPECT_FALSE(theApplication.CreateDesktopShortcut());
    EXPECT_EQ(spy.m_sounds, (std::vector<UINT>{IDW_SHORTCUT_CREATED, IDW_SHORTCUT_CREATED, IDW_FAILURE}));
    SetDesktopFolder(L"");
    // A missing folder is made level by level, never on a drive that does not exist or over a file.
    ASSERT_FALSE(GetLogicalDrives() & (1 << ('Q' - 'A')));
    const std::wstring file = dir + L"\\file", nested = dir + L"\\a\\b\\c";
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL));
    for (const std::wstring &path : {std::wstring(L"Q:\\a\\b"), file, nested})
        EXPECT_EQ(EnsureDirectory(path.c_str()), path == nested) << std::string(path.begin(), path.end());
    EXPECT_TRUE(PathIsDirectoryW(nested.c_str()));
}
