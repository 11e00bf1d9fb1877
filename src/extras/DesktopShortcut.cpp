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
    bool bWritten = m_wszModulePath[0] && WriteDesktopShortcut(*this, m_wszModulePath, m_wszModulePath) >= 0;
    PlayFeedbackSound(bWritten ? IDW_SHORTCUT_CREATED : IDW_FAILURE);
    return bWritten;
}

HRESULT WriteDesktopShortcut(const Application &app, const WCHAR *pwszTarget, const WCHAR *pwszIconFile)
{
    // A desktop folder that cannot be found as set is asked for once more
    // with the system's default setting.
    WCHAR wszDesktop[MAX_PATH] = L"";
    if (SHGetFolderPathW(NULL, CSIDL_DESKTOPDIRECTORY, NULL, SHGFP_TYPE_CURRENT, wszDesktop) != S_OK) {
        wszDesktop[0] = L'\0';
        HRESULT hr = SHGetFolderPathW(NULL, CSIDL_DESKTOPDIRECTORY, NULL, SHGFP_TYPE_DEFAULT, wszDesktop);
        if (hr != S_OK && hr != S_FALSE)
            return hr;
    }
    if (!wszDesktop[0] || PathIsRelativeW(wszDesktop) || !EnsureDirectory(wszDesktop))
        return s_hrOwnCheckFailed;

    WCHAR wszFolder[MAX_PATH], wszLink[MAX_PATH];
    lstrcpynW(wszFolder, wszDesktop, MAX_PATH);
    if (!PathAppendW(wszFolder, L"")) // the folder in canonical form
        return s_hrOwnCheckFailed;
    lstrcpynW(wszLink, wszFolder, MAX_PATH);
    if (!PathAppendW(wszLink, L"Zelbrant") || !AppendLinkExtension(wszLink))
        return s_hrOwnCheckFailed;
    if (PathIsRelativeW(pwszTarget) || (pwszIconFile && pwszIconFile[0] && PathIsRelativeW(pwszIconFile)))
        return s_hrOwnCheckFailed;

    // An older shortcut left read-only is replaced all the same.
    DWORD dwAttributes = GetFileAttributesW(wszLink);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) &&
        !SetFileAttributesW(wszLink, dwAttributes & ~FILE_ATTRIBUTE_READONLY))
        return s_hrOwnCheckFailed;

    if (PathFileExistsW(pwszTarget)) {
        if (!EnsureDirectory(wszFolder))
            return s_hrOwnCheckFailed;
        return SaveShellLink(wszLink, pwszIconFile, pwszTarget, app.m_wszWorkingDir);
    }
    // A shortcut to nothing is removed rather than written.
    if (!PathFileExistsW(wszLink) || DeleteFileW(wszLink))
        return S_OK;
    return s_hrOwnCheckFailed;
}

// Sets every property of the shortcut, stopping at the first failure.
static HRESULT SetLinkProperties(IShellLinkW *pLink, const WCHAR *pwszIconFile, const WCHAR *pwszTarget,
                                 const WCHAR *pwszWorkingDir)
{
    HRESULT hr = pLink->SetPath(pwszTarget);
    if (SUCCEEDED(hr) && pwszWorkingDir)
        hr = pLink->SetWorkingDirectory(pwszWorkingDir);
    if (SUCCEEDED(hr))
        hr = pLink->SetDescription(L"Démarrer l'application Zelbrant");
    if (SUCCEEDED(hr) && pwszIconFile && pwszIconFile[0])
        hr = pLink->SetIconLocation(pwszIconFile, s_nIconIndex);
    if (SUCCEEDED(hr))
        hr = pLink->SetShowCmd(SW_SHOWNORMAL);
    if (SUCCEEDED(hr))
        hr = pLink->SetHotkey(0);
    return hr;
}

HRESULT SaveShellLink(const WCHAR *pwszLinkPath, const WCHAR *pwszIconFile, const WCHAR *pwszTarget,
                      const WCHAR *pwszWorkingDir)
{
    IShellLinkW *pLink = NULL;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkW, (void **)&pLink);
    if (FAILED(hr))
        return hr;
    IPersistFile *pFile = NULL;
    hr = pLink->QueryInterface(IID_IPersistFile, (void **)&pFile);
    if (FAILED(hr)) {
        pLink->Release();
        return hr;
    }
    hr = SetLinkProperties(pLink, pwszIconFile, pwszTarget, pwszWorkingDir);
    if (SUCCEEDED(hr))
        hr = pFile->Save(pwszLinkPath, TRUE);
    pFile->Release();
    pLink->Release();
    return hr;
}

bool EnsureDirectory(const WCHAR *pwszPath)
{
    if (!pwszPath || !pwszPath[0] || lstrlenW(pwszPath) >= MAX_PATH)
        return false;
    if (PathFileExistsW(pwszPath))
        return PathIsDirectoryW(pwszPath) != FALSE;

    // A level that cannot be created sends the walk one level up towards the
    // root; one that is created sends it one level back down.
    WCHAR wszLevel[MAX_PATH];
    lstrcpynW(wszLevel, pwszPath, MAX_PATH);
    int nPending = 1;
    for (;;) {
        nPending += CreateDirectoryW(wszLevel, NULL) ? -1 : 1;
        if (nPending == 0)
            return true;
        lstrcpynW(wszLevel, pwszPath, MAX_PATH);
        for (int i = 0; i < nPending - 1; i++) {
            if (!PathRemoveFileSpecW(wszLevel))
                return false;
        }
        if (!wszLevel[0])
            return false;
    }
}

bool AppendLinkExtension(WCHAR *pwszPath)
{
    if (lstrlenW(pwszPath) + 4 >= MAX_PATH)
        return false;
    lstrcatW(pwszPath, L".lnk");
    return true;
}
