// The program's registry settings read and written directly, without the store under test.
#pragma once

#include <windows.h>

#include <string>

// Removes a key of HKEY_CURRENT_USER with everything below it (a missing key is fine).
void DeleteRegistryKey(const std::string &key);
// Stores a value of any type and size, creating its key; false on failure.
bool WriteRawValue(const std::string &key, const char *pszName, DWORD dwType, const void *pData, DWORD cbData);
// REG_DWORD values as stored, each followed by a blank; "?" for one missing or of another type.
std::string StoredDwords(const std::string &key, std::initializer_list<const char *> names);
// Stores the main dialog's saved place, and its copy for the primary monitor,
// under the program's key, so that the dialog opens there.
void StoreDialogPlacement(DWORD dwX, DWORD dwY, DWORD dwCx, DWORD dwCy);
