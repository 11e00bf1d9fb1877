// The desktop shortcut: the desktop folder, the folders it needs, the link
// file's path, an older read-only shortcut, and the shell's link object.
#include "extras/DesktopShortcut.h"

#include "app/Application.h"
#include "app/Resources.h"
#include "res/resource.h"

#include <shlobj.h>
#include <shlwapi.h>

static const HRESULT s_hrOwnCheckFailed = -1;
// A negative icon index names an icon resource id: the program's main icon.
static const int s_nIconIndex = -IDI_MAIN;

bool Application::CreateDesktopShortcut()
{
    bool bWritten = m_szModulePath[0] && WriteDesktopShortcut(*this, m_szModulePath, m_szModulePath) >= 0;
    PlayFeedbackSound(bWritten ? IDW_SHORTCUT_CREATED : IDW_FAILURE);
    return bWritten;
}

HRESULT WriteDesktopShortcut(const Application &app, const char *pszTarget, const char *pszIconFile)
{
    // A desktop folder that cannot be found as set is asked for once more
    // with the system's default setting.
    char szDesktop[MAX_PATH] = "";
    if (SHGetFolderPathA(NULL, CSIDL_DESKTOPDIRECTORY, NULL, SHGFP_TYPE_CURRENT, szDesktop) != S_OK) {
        szDesktop[0] = '\0';
        HRESULT hr = SHGetFolderPathA(NULL, CSIDL_DESKTOPDIRECTORY, NULL, SHGFP_TYPE_DEFAULT, szDesktop);
        if (hr != S_OK && hr != S_FALSE)
            return hr;
    }
    if (!szDesktop[0] || PathIsRelativeA(szDesktop) || !EnsureDirectory(szDesktop))
        return s_hrOwnCheckFailed;

    char szFolder[MAX_PATH], szLink[MAX_PATH];
    lstrcpynA(szFolder, szDesktop, MAX_PATH);
    if (!PathAppendA(szFolder, "")) // the folder in canonical form
        return s_hrOwnCheckFailed;
    lstrcpynA(szLink, szFolder, MAX_PATH);
    if (!PathAppendA(szLink, "Zelbrant") || !AppendLinkExtension(szLink))
        return s_hrOwnCheckFailed;
    if (PathIsRelativeA(pszTarget) || (pszIconFile && pszIconFile[0] && PathIsRelativeA(pszIconFile)))
        return s_hrOwnCheckFailed;

    // An older shortcut left read-only is replaced all the same.
    DWORD dwAttributes = GetFileAttributesA(szLink);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) &&
        !SetFileAttributesA(szLink, dwAttributes & ~FILE_ATTRIBUTE_READONLY))
        return s_hrOwnCheckFailed;

    if (PathFileExistsA(pszTarget)) {
        if (!EnsureDirectory(szFolder))
            return s_hrOwnCheckFailed;
        return SaveShellLink(szLink, pszIconFile, pszTarget, app.m_szWorkingDir);
    }
    // A shortcut to nothing is removed rather than written.
    if (!PathFileExistsA(szLink) || DeleteFileA(szLink))
        return S_OK;
    return s_hrOwnCheckFailed;
}

// Sets every property of the shortcut, stopping at the first failure.
static HRESULT SetLinkProperties(IShellLinkA *pLink, const char *pszIconFile, const char *pszTarget,
                                 const char *pszWorkingDir)
{
    HRESULT hr = pLink->SetPath(pszTarget);
    if (SUCCEEDED(hr) && pszWorkingDir)
        hr = pLink->SetWorkingDirectory(pszWorkingDir);
    if (SUCCEEDED(hr))
        hr = pLink->SetDescription("Démarrer l'application Zelbrant");
    if (SUCCEEDED(hr) && pszIconFile && pszIconFile[0])
        hr = pLink->SetIconLocation(pszIconFile, s_nIconIndex);
    if (SUCCEEDED(hr))
        hr = pLink->SetShowCmd(SW_SHOWNORMAL);
    if (SUCCEEDED(hr))
        hr = pLink->SetHotkey(0);
    return hr;
}

HRESULT SaveShellLink(const char *pszLinkPath, const char *pszIconFile, const char *pszTarget,
                      const char *pszWorkingDir)
{
    IShellLinkA *pLink = NULL;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void **)&pLink);
    if (FAILED(hr))
        return hr;
    IPersistFile *pFile = NULL;
    hr = pLink->QueryInterface(IID_IPersistFile, (void **)&pFile);
    if (FAILED(hr)) {
        pLink->Release();
        return hr;
    }
    hr = SetLinkProperties(pLink, pszIconFile, pszTarget, pszWorkingDir);
    if (SUCCEEDED(hr)) {
        WCHAR wszLinkPath[MAX_PATH];
        if (MultiByteToWideChar(CP_ACP, 0, pszLinkPath, -1, wszLinkPath, MAX_PATH))
            hr = pFile->Save(wszLinkPath, TRUE);
        else
            hr = s_hrOwnCheckFailed;
    }
    pFile->Release();
    pLink->Release();
    return hr;
}

bool EnsureDirectory(const char *pszPath)
{
    if (!pszPath || !pszPath[0] || lstrlenA(pszPath) >= MAX_PATH)
        return false;
    if (PathFileExistsA(pszPath))
        return PathIsDirectoryA(pszPath) != FALSE;

    // A level that cannot be created sends the walk one level up towards the
    // root; one that is created sends it one level back down.
    char szLevel[MAX_PATH];
    lstrcpynA(szLevel, pszPath, MAX_PATH);
    int nPending = 1;
    for (;;) {
        nPending += CreateDirectoryA(szLevel, NULL) ? -1 : 1;
        if (nPending == 0)
            return true;
        lstrcpynA(szLevel, pszPath, MAX_PATH);
        for (int i = 0; i < nPending - 1; i++) {
            if (!PathRemoveFileSpecA(szLevel))
                return false;
        }
        if (!szLevel[0])
            return false;
    }
}

bool AppendLinkExtension(char *pszPath)
{
    if (lstrlenA(pszPath) + 4 >= MAX_PATH)
        return false;
    lstrcatA(pszPath, ".lnk");
    return true;
}
