// The program's own icons and sounds, loaded from its module.
#pragma once

#include <windows.h>

// Loads an icon group at the given size; null when it cannot be loaded. The
// caller owns the icon.
HICON LoadIconImage(UINT nIconId, int cx, int cy);

// Destroys the icon that a window shows, asked for with nGetMessage and
// wParam (STM_GETIMAGE, BM_GETIMAGE or WM_GETICON), if it shows one. Icons
// loaded for a dialog's controls and title bar are freed by nothing else.
void DestroyShownIcon(HWND hWnd, UINT nGetMessage, WPARAM wParam);

// Plays a WAVE resource in the background, cutting off the sound still
// playing. A missing or unplayable sound stays silent, with no fallback to a
// system sound; so does every sound where winmm cannot be loaded.
void PlayFeedbackSound(UINT nSoundId);
