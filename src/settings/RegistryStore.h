// The program's settings in the current user's registry: the two value
// primitives every registry access goes through, and the three options.
#pragma once

#include <windows.h>

// Reads a REG_DWORD value of HKEY_CURRENT_USER\pszSubKey into *pdwValue and
// returns a Win32 error code. On any failure *pdwValue receives dwDefault, so
// callers may ignore the code.
LONG RegReadDword(const char *pszValueName, const char *pszSubKey, DWORD dwDefault, DWORD *pdwValue);

// Writes a REG_DWORD value to HKEY_CURRENT_USER\pszSubKey, creating the key
// and every missing key above it; returns a Win32 error code.
LONG RegWriteDword(const char *pszSubKey, const char *pszValueName, DWORD dwValue);

// What each of the three options is until the user saves otherwise: on.
const bool OPTION_DEFAULT = true;

// Reads the three options of the running major version; each comes up as
// OPTION_DEFAULT when missing or unreadable. A null pointer skips that option's store.
void LoadSettings(bool *pbKeepDialogOnTop, bool *pbAutoFindRootParent, bool *pbDrawInvertedFrame);

// Writes the three options, all three even when one fails; returns 0 or the
// error of the first failed write.
LONG SaveSettings(bool bKeepDialogOnTop, bool bAutoFindRootParent, bool bDrawInvertedFrame);
