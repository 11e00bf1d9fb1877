// DLLs come from the system folder only.
#include "app/SystemLibrary.h"

#include <shlwapi.h>

typedef BOOL(WINAPI *PFN_SetDefaultDllDirectories)(DWORD dwDirectoryFlags);

void LimitDllSearchToSystem()
{
    // Looked up, not imported: Windows before 8 has it only with an update.
    PFN_SetDefaultDllDirectories pfnSetDefaultDllDirectories = (PFN_SetDefaultDllDirectories)(void *)GetProcAddress(
        GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    if (pfnSetDefaultDllDirectories)
        pfnSetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibrary(const char *pszName)
{
    char szPath[MAX_PATH];
    UINT cch = GetSystemDirectoryA(szPath, MAX_PATH);
    if (cch == 0 || cch >= MAX_PATH || !PathAppendA(szPath, pszName))
        return NULL;
    return LoadLibraryA(szPath);
}
