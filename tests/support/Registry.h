// Helpers for tests that look at the program's registry settings directly,
// without going through the store under test.
#pragma once

#include <windows.h>

#include <string>

// Removes a key of HKEY_CURRENT_USER with everything below it (a missing key is fine).
void DeleteRegistryKey(const std::string &key);
// Stores a value of any type and size, creating its key; false on failure.
bool WriteRawValue(const std::string &key, const char *pszName, DWORD dwType, const void *pData, DWORD cbData);
// A REG_DWORD value as stored; false when it is missing or of another type.
bool ReadStoredDword(const std::string &key, const char *pszName, DWORD *pdwValue);

// Stores the main dialog's saved place, and its copy for the primary monitor,
// under the program's key, so that the dialog opens there.
void StoreDialogPlacement(DWORD dwX, DWORD dwY, DWORD dwCx, DWORD dwCy);
