// Start-up and shutdown of the process: the application object, the
// start-up checks with their exit codes, and the release of what they took.
#include "app/Application.h"

#include "app/SystemLibrary.h"

#include <commctrl.h>
#include <fcntl.h>
#include <locale.h>
#include <shlwapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

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
      m_pfnDwmGetWindowAttribute(NULL), m_hWinmm(NULL), m_pfnPlaySound(NULL)
{
    // Before anything loads a DLL: none may come from the program's folder.
    LimitDllSearchToSystem();
    m_wszWorkingDir[0] = L'\0';
    m_wszModulePath[0] = L'\0';

    m_hDwmApi = LoadSystemLibrary("dwmapi.dll");
    if (m_hDwmApi) {
        m_pfnDwmIsCompositionEnabled =
            (PFN_DwmIsCompositionEnabled)(void *)GetProcAddress(m_hDwmApi, "DwmIsCompositionEnabled");
        m_pfnDwmGetWindowAttribute =
            (PFN_DwmGetWindowAttribute)(void *)GetProcAddress(m_hDwmApi, "DwmGetWindowAttribute");
    }
    m_hWinmm = LoadSystemLibrary("winmm.dll");
    if (m_hWinmm)
        m_pfnPlaySound = (PFN_PlaySoundA)(void *)GetProcAddress(m_hWinmm, "PlaySoundA");
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
    DWORD cchPath = GetModuleFileNameW(hInstance, m_wszModulePath, MAX_PATH);
    m_wszModulePath[MAX_PATH - 1] = L'\0';
    if (cchPath == 0 || cchPath >= MAX_PATH)
        return FailWithFileVersion(STARTUP_NO_MODULE_PATH);
    if (!GetFileVersion(hInstance, &m_ullFileVersion))
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
    WCHAR wszCurrent[MAX_PATH];
    DWORD cch = GetCurrentDirectoryW(MAX_PATH, wszCurrent);
    if (cch == 0 || cch >= MAX_PATH)
        return false;
    cch = GetFullPathNameW(wszCurrent, MAX_PATH, m_wszWorkingDir, NULL);
    if (cch == 0 || cch >= MAX_PATH) {
        m_wszWorkingDir[0] = L'\0';
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

// The bytes of a resource of the module and their count; null when it is
// missing or empty.
static void *LockModuleResource(HMODULE hModule, LPCSTR pszName, LPCSTR pszType, DWORD *pcb)
{
    HRSRC hResource = FindResourceA(hModule, pszName, pszType);
    *pcb = hResource ? SizeofResource(hModule, hResource) : 0;
    HGLOBAL hData = *pcb ? LoadResource(hModule, hResource) : NULL;
    return hData ? LockResource(hData) : NULL;
}

bool Application::LoadPrivateFont()
{
    DWORD cbFont = 0;
    void *pFont = LockModuleResource(m_hInstance, "SegoeUI.ttf", "PRIVATE_FONT", &cbFont);
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
    if (m_hWinmm) {
        // A sound still playing would run in the library freed.
        if (m_pfnPlaySound)
            m_pfnPlaySound(NULL, NULL, 0);
        m_pfnPlaySound = NULL;
        FreeLibrary(m_hWinmm);
        m_hWinmm = NULL;
    }
    if (m_wszWorkingDir[0]) {
        WCHAR wszDir[MAX_PATH];
        lstrcpynW(wszDir, m_wszWorkingDir, MAX_PATH);
        PathRemoveBackslashW(wszDir);
        SetCurrentDirectoryW(wszDir);
        m_wszWorkingDir[0] = L'\0';
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
    // Shown as best the ANSI code page can: a letter it lacks becomes its
    // nearest one or "?". A double-byte code page takes two bytes a letter.
    char szModulePath[2 * MAX_PATH];
    if (!WideCharToMultiByte(CP_ACP, 0, m_wszModulePath, -1, szModulePath, sizeof szModulePath, NULL, NULL))
        szModulePath[0] = '\0';
    const DWORD_PTR inserts[] = {
        (DWORD_PTR)szModulePath,
        FileVersionPart(m_ullFileVersion, 0),
        FileVersionPart(m_ullFileVersion, 1),
        FileVersionPart(m_ullFileVersion, 2),
        FileVersionPart(m_ullFileVersion, 3),
    };
    ShowStartupError(nCode, s_szFileVersionTemplate, inserts, ARRAYSIZE(inserts));
    return false;
}

bool GetFileVersion(HMODULE hModule, ULONGLONG *pullVersion)
{
    // The resource is a VS_VERSIONINFO block: three 16-bit words (the second
    // the value's size), the key L"VS_VERSION_INFO", padding to 32 bits, then
    // the fixed file information.
    static const WCHAR s_wszKey[] = L"VS_VERSION_INFO";
    const DWORD cbFixedAt = (3 * sizeof(WORD) + sizeof s_wszKey + 3) & ~3u;
    *pullVersion = 0;
    DWORD cbBlock = 0;
    const BYTE *pBlock =
        (const BYTE *)LockModuleResource(hModule, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION, &cbBlock);
    if (!pBlock || cbBlock < cbFixedAt + sizeof(VS_FIXEDFILEINFO) ||
        ((const WORD *)pBlock)[1] < sizeof(VS_FIXEDFILEINFO) ||
        memcmp(pBlock + 3 * sizeof(WORD), s_wszKey, sizeof s_wszKey) != 0)
        return false;
    VS_FIXEDFILEINFO fixed;
    memcpy(&fixed, pBlock + cbFixedAt, sizeof fixed);
    *pullVersion = ((ULONGLONG)fixed.dwFileVersionMS << 32) | fixed.dwFileVersionLS;
    return true;
}
