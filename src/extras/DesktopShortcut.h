// The shortcut to the program on the user's desktop, "Zelbrant.lnk", written
// through the shell's own link object. Statuses are HRESULTs: below 0 is a
// failure, -1 one of this program's own checks.
#pragma once

#include <windows.h>

class Application;

// Writes the shortcut to pszTarget in the desktop folder, with the program's
// working directory; pszIconFile may be null or empty (no icon). When the
// target does not exist, an existing shortcut is removed instead.
HRESULT WriteDesktopShortcut(const Application &app, const char *pszTarget, const char *pszIconFile);

// Builds and saves one shortcut, replacing the file. The icon file may be
// null or empty and the working directory null: the property is then not set.
HRESULT SaveShellLink(const char *pszLinkPath, const char *pszIconFile, const char *pszTarget,
                      const char *pszWorkingDir);

// True when pszPath exists as a directory afterwards; missing parents are
// created on the way.
bool EnsureDirectory(const char *pszPath);

// Appends ".lnk" in place; false, the path unchanged, when it would not fit
// in MAX_PATH.
bool AppendLinkExtension(char *pszPath);
