// Direct registry access for tests, through the plain Win32 calls.
#include "support/Registry.h"

void DeleteRegistryKey(const std::string &key)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
}

bool WriteRawValue(const std::string &key, const char *pszName, DWORD dwType, const void *pData, DWORD cbData)
{
    HKEY hKey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL) != 0)
        return false;
    LONG lError = RegSetValueExA(hKey, pszName, 0, dwType, (const BYTE *)pData, cbData);
    RegCloseKey(hKey);
    return lError == 0;
}

bool ReadStoredDword(const std::string &key, const char *pszName, DWORD *pdwValue)
{
    DWORD cbData = sizeof(*pdwValue);
    return RegGetValueA(HKEY_CURRENT_USER, key.c_str(), pszName, RRF_RT_REG_DWORD, NULL, pdwValue, &cbData) == 0;
}
