// DLLs come from the system folder only. The program is run from download
// folders, where any file may lie beside it: a DLL found there by name would
// run inside the program.
#pragma once

#include <windows.h>

// Takes the program's folder and the current folder out of the search for
// every DLL loaded from now on. A system without SetDefaultDllDirectories
// keeps its search as it is.
void LimitDllSearchToSystem();

// Loads a DLL of the system folder by its full path; null when it is missing.
HMODULE LoadSystemLibrary(const char *pszName);
