// Start-up and shutdown of the process: the application object, the
// start-up checks with their exit codes, and the release of what they took.
#include "app/Application.h"

#include <commctrl.h>
#include <fcntl.h>
#include <locale.h>
#include <shlwapi.h>
#include <stdio.h>
#include <stdlib.h>

Application theApplication;

static const char s_szRegistryKeyFormat[] = "Software\\Morvane\\Zelbrant V%u";

static const char s_szFileVersionTemplate[] =
    "%1%n%nFichier :  \"%2\"%nVersion :  %3!hu!.%4!hu!.%5!hu!.%6!hu!%n%n ========================%n%n"
    "Impossible d'obtenir le nom de fichier de l'application ou de son numéro de version.";
static const char s_szWorkingDirTemplate[] = "%1%n%nImpossible d'obtenir l'emplacement du dossier courant.";
static const char s_szComTemplate[] = "%1%n%nImpossible d'initialiser la bibliothèque \"COM\" de Windows.";
static const char s_szComIncompatibleTemplate[] =
    "%1%n%nL'un des fichiers \"compobj.dll\" ou \"ole2.dll\" a été mis à jour avec une version qui est "
    "incompatible avec l'autre fichier.\n\n"
    "Pour corriger ce problème, remplacez ces deux fichiers avec des versions compatibles pour votre "
    "système d'exploitation.\n"
    "(Ces fichiers sont utilisés par la bibliothèque \"COM\" de Windows.)";
static const char s_szPrivateFontTemplate[] = "%1%n%nImpossible d'installer les polices privées.";

Application::Application()
    : m_hInstance(NULL), m_pszCmdLine(NULL), m_nCmdShow(0), m_nExitCode(STARTUP_OK), m_ullFileVersion(0),
      m_bComInitialized(false), m_hPrivateFont(NULL), m_hDwmApi(NULL), m_pfnDwmIsCompositionEnabled(NULL),
      m_pfnDwmGetWindowAttribute(NULL)
{
    m_szWorkingDir[0] = '\0';
    m_szModulePath[0] = '\0';

    m_hDwmApi = LoadLibraryA("dwmapi.dll");
    if (m_hDwmApi) {
        m_pfnDwmIsCompositionEnabled =
            (PFN_DwmIsCompositionEnabled)(void *)GetProcAddress(m_hDwmApi, "DwmIsCompositionEnabled");
        m_pfnDwmGetWindowAttribute =
            (PFN_DwmGetWindowAttribute)(void *)GetProcAddress(m_hDwmApi, "DwmGetWindowAttribute");
    }
}

Application::~Application()
{
    ExitInstance();
}

bool Application::InitInstance(HINSTANCE hInstance, LPSTR pszCmdLine, int nCmdShow)
{
    m_nExitCode = STARTUP_OK;
    if (!hInstance || !pszCmdLine) {
        m_nExitCode = STARTUP_BAD_ARGUMENTS;
        return false;
    }
    m_hInstance = hInstance;
    m_pszCmdLine = pszCmdLine;
    m_nCmdShow = nCmdShow;

    _fmode = _O_BINARY;
    setlocale(LC_CTYPE, "");
    setlocale(LC_COLLATE, "");

    // A result of MAX_PATH means the path was cut: it is not the whole path.
    DWORD cchPath = GetModuleFileNameA(hInstance, m_szModulePath, MAX_PATH);
    if (cchPath == 0 || cchPath >= MAX_PATH)
        return FailWithFileVersion(STARTUP_NO_MODULE_PATH);
    if (!GetFileVersion(m_szModulePath, &m_ullFileVersion))
        return FailWithFileVersion(STARTUP_NO_FILE_VERSION);

    char szKey[64];
    wsprintfA(szKey, s_szRegistryKeyFormat, (unsigned)FileVersionPart(m_ullFileVersion, 0));
    m_strRegistryKey = szKey;

    if (!InitPaths())
        return Fail(STARTUP_NO_WORKING_DIR, s_szWorkingDirTemplate);
    if (!InitCom())
        return false;
    if (!LoadPrivateFont())
        return Fail(STARTUP_PRIVATE_FONT_FAILED, s_szPrivateFontTemplate);

    // The About box's links are SysLink controls, a class of the version 6
    // common controls that exists only once registered. Should it fail, only
    // the About box is lost: the menu then beeps.
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LINK_CLASS};
    InitCommonControlsEx(&icc);
    return m_nExitCode == STARTUP_OK;
}

bool Application::InitPaths()
{
    char szCurrent[MAX_PATH];
    DWORD cch = GetCurrentDirectoryA(MAX_PATH, szCurrent);
    if (cch == 0 || cch >= MAX_PATH)
        return false;
    cch = GetFullPathNameA(szCurrent, MAX_PATH, m_szWorkingDir, NULL);
    if (cch == 0 || cch >= MAX_PATH) {
        m_szWorkingDir[0] = '\0';
        return false;
    }
    return true;
}

bool Application::InitCom()
{
    HRESULT hr = OleInitialize(NULL);
    if (SUCCEEDED(hr)) {
        m_bComInitialized = true;
        return true;
    }
    if (hr == OLE_E_WRONGCOMPOBJ)
        return Fail(STARTUP_COM_INCOMPATIBLE, s_szComIncompatibleTemplate);
    return Fail(STARTUP_COM_FAILED, s_szComTemplate);
}

bool Application::LoadPrivateFont()
{
    HRSRC hResource = FindResourceA(m_hInstance, "SegoeUI.ttf", "PRIVATE_FONT");
    DWORD cbFont = hResource ? SizeofResource(m_hInstance, hResource) : 0;
    HGLOBAL hData = cbFont ? LoadResource(m_hInstance, hResource) : NULL;
    void *pFont = hData ? LockResource(hData) : NULL;
    if (!pFont)
        return true; // a missing font resource is not an error

    DWORD nFonts = 0;
    m_hPrivateFont = AddFontMemResourceEx(pFont, cbFont, NULL, &nFonts);
    return m_hPrivateFont != NULL;
}

void Application::ExitInstance()
{
    if (m_hPrivateFont) {
        RemoveFontMemResourceEx(m_hPrivateFont);
        m_hPrivateFont = NULL;
    }
    if (m_bComInitialized) {
        CoUninitialize();
        m_bComInitialized = false;
    }
    if (m_hDwmApi) {
        m_pfnDwmIsCompositionEnabled = NULL;
        m_pfnDwmGetWindowAttribute = NULL;
        FreeLibrary(m_hDwmApi);
        m_hDwmApi = NULL;
    }
    if (m_szWorkingDir[0]) {
        char szDir[MAX_PATH];
        lstrcpynA(szDir, m_szWorkingDir, MAX_PATH);
        PathRemoveBackslashA(szDir);
        SetCurrentDirectoryA(szDir);
        m_szWorkingDir[0] = '\0';
    }
}

bool Application::Fail(int nCode, const char *pszTemplate)
{
    m_nExitCode = nCode;
    ShowStartupError(nCode, pszTemplate, NULL, 0);
    return false;
}

bool Application::FailWithFileVersion(int nCode)
{
    m_nExitCode = nCode;
    const DWORD_PTR inserts[] = {
        (DWORD_PTR)m_szModulePath,
        FileVersionPart(m_ullFileVersion, 0),
        FileVersionPart(m_ullFileVersion, 1),
        FileVersionPart(m_ullFileVersion, 2),
        FileVersionPart(m_ullFileVersion, 3),
    };
    ShowStartupError(nCode, s_szFileVersionTemplate, inserts, ARRAYSIZE(inserts));
    return false;
}

bool GetFileVersion(const char *pszPath, ULONGLONG *pullVersion)
{
    *pullVersion = 0;
    DWORD dwHandle = 0;
    DWORD cbInfo = GetFileVersionInfoSizeA(pszPath, &dwHandle);
    if (cbInfo == 0)
        return false;
    void *pInfo = HeapAlloc(GetProcessHeap(), 0, cbInfo);
    if (!pInfo)
        return false;

    bool bFound = false;
    VS_FIXEDFILEINFO *pFixed = NULL;
    UINT cbFixed = 0;
    if (GetFileVersionInfoA(pszPath, 0, cbInfo, pInfo) && VerQueryValueA(pInfo, "\\", (void **)&pFixed, &cbFixed) &&
        pFixed) {
        *pullVersion = ((ULONGLONG)pFixed->dwFileVersionMS << 32) | pFixed->dwFileVersionLS;
        bFound = true;
    }
    HeapFree(GetProcessHeap(), 0, pInfo);
    return bFound;
}
