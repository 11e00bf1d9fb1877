// The shortcut to the program on the user's desktop, "Zelbrant.lnk", written
// through the shell's own link object. Statuses are HRESULTs: below 0 is a
// failure, -1 one of this program's own checks. Paths pass to and from the
// shell in UTF-16, so that a folder whose name the ANSI code page cannot spell
// is named exactly.
#pragma once

#include <windows.h>

class Application;

// Writes the shortcut to pwszTarget in the desktop folder, with the program's
// working directory; pwszIconFile may be null or empty (no icon). When the
// target does not exist, an existing shortcut is removed instead.
HRESULT WriteDesktopShortcut(const Application &app, const WCHAR *pwszTarget, const WCHAR *pwszIconFile);

// Builds and saves one shortcut, replacing the file. The icon file may be
// null or empty and the working directory null: the property is then not set.
HRESULT SaveShellLink(const WCHAR *pwszLinkPath, const WCHAR *pwszIconFile, const WCHAR *pwszTarget,
                      const WCHAR *pwszWorkingDir);

// True when pwszPath exists as a directory afterwards; missing parents are
// created on the way.
bool EnsureDirectory(const WCHAR *pwszPath);

// Appends ".lnk" in place; false, the path unchanged, when it would not fit
// in MAX_PATH.
bool AppendLinkExtension(WCHAR *pwszPath);
