// The registry store: each access opens and closes its own key, so no
// handle outlives a call and nothing is cached between reads.
#include "settings/RegistryStore.h"

#include "app/Application.h"

static const char s_szKeepDialogOnTop[] = "KeepDialogOnTop";
static const char s_szAutoFindRootParent[] = "AutoFindRootParent";
static const char s_szDrawInvertedFrame[] = "DrawInvertedFrame";

LONG RegReadDword(const char *pszValueName, const char *pszSubKey, DWORD dwDefault, DWORD *pdwValue)
{
    *pdwValue = dwDefault;
    HKEY hKey;
    LONG lError = RegOpenKeyExA(HKEY_CURRENT_USER, pszSubKey, 0, KEY_READ, &hKey);
    if (lError != ERROR_SUCCESS)
        return lError;

    // The query writes whatever fits into its buffer, even for a value of
    // another type or a shorter one, so it goes to a local first.
    DWORD dwType = REG_NONE;
    DWORD dwData = 0;
    DWORD cbData = sizeof(dwData);
    LONG lQuery = RegQueryValueExA(hKey, pszValueName, NULL, &dwType, (BYTE *)&dwData, &cbData);
    LONG lClose = RegCloseKey(hKey);

    if (lQuery != ERROR_SUCCESS)
        return lQuery;
    // A REG_DWORD of fewer than four bytes holds no 32-bit number either.
    if (dwType != REG_DWORD || cbData != sizeof(dwData))
        return ERROR_INVALID_DATATYPE;
    if (lClose != ERROR_SUCCESS)
        return lClose;
    *pdwValue = dwData;
    return ERROR_SUCCESS;
}

LONG RegWriteDword(const char *pszSubKey, const char *pszValueName, DWORD dwValue)
{
    HKEY hKey;
    LONG lError = RegCreateKeyExA(HKEY_CURRENT_USER, pszSubKey, 0, (LPSTR) "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  NULL, &hKey, NULL);
    if (lError != ERROR_SUCCESS)
        return lError;
    LONG lSet = RegSetValueExA(hKey, pszValueName, 0, REG_DWORD, (const BYTE *)&dwValue, sizeof(dwValue));
    LONG lClose = RegCloseKey(hKey);
    return lSet != ERROR_SUCCESS ? lSet : lClose;
}

static void LoadOption(const char *pszValueName, bool *pbOption)
{
    DWORD dwValue;
    RegReadDword(pszValueName, theApplication.m_strRegistryKey.c_str(), OPTION_DEFAULT ? 1 : 0, &dwValue);
    if (pbOption)
        *pbOption = dwValue != 0;
}

void LoadSettings(bool *pbKeepDialogOnTop, bool *pbAutoFindRootParent, bool *pbDrawInvertedFrame)
{
    LoadOption(s_szKeepDialogOnTop, pbKeepDialogOnTop);
    LoadOption(s_szAutoFindRootParent, pbAutoFindRootParent);
    LoadOption(s_szDrawInvertedFrame, pbDrawInvertedFrame);
}

static LONG SaveOption(const char *pszValueName, bool bOption)
{
    return RegWriteDword(theApplication.m_strRegistryKey.c_str(), pszValueName, bOption ? 1 : 0);
}

LONG SaveSettings(bool bKeepDialogOnTop, bool bAutoFindRootParent, bool bDrawInvertedFrame)
{
    // Every write is attempted: one that fails does not keep the others from
    // being saved.
    LONG lKeep = SaveOption(s_szKeepDialogOnTop, bKeepDialogOnTop);
    LONG lAuto = SaveOption(s_szAutoFindRootParent, bAutoFindRootParent);
    LONG lFrame = SaveOption(s_szDrawInvertedFrame, bDrawInvertedFrame);
    if (lKeep != ERROR_SUCCESS)
        return lKeep;
    return lAuto != ERROR_SUCCESS ? lAuto : lFrame;
}
