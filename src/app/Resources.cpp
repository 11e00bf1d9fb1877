// The program's own icons and sounds, loaded from its module.
#include "app/Resources.h"

#include "app/Application.h"

#include <mmsystem.h>

HICON LoadIconImage(UINT nIconId, int cx, int cy)
{
    return (HICON)LoadImageA(theApplication.m_hInstance, MAKEINTRESOURCEA(nIconId), IMAGE_ICON, cx, cy,
                             LR_DEFAULTCOLOR);
}

void DestroyShownIcon(HWND hWnd, UINT nGetMessage, WPARAM wParam)
{
    HICON hIcon = (HICON)SendMessageA(hWnd, nGetMessage, wParam, 0);
    if (hIcon)
        DestroyIcon(hIcon);
}

void PlayFeedbackSound(UINT nSoundId)
{
    if (theApplication.m_pfnPlaySound)
        theApplication.m_pfnPlaySound(MAKEINTRESOURCEA(nSoundId), theApplication.m_hInstance,
                                      SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}
