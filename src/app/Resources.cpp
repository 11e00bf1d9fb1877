// The program's own icons and sounds, loaded from its module.
#include "app/Resources.h"

#include "app/Application.h"

#include <mmsystem.h>

HICON LoadIconImage(UINT nIconId, int cx, int cy)
{
    return (HICON)LoadImageA(theApplication.m_hInstance, MAKEINTRESOURCEA(nIconId), IMAGE_ICON, cx, cy,
                             LR_DEFAULTCOLOR);
}

void PlayFeedbackSound(UINT nSoundId)
{
    PlaySoundA(MAKEINTRESOURCEA(nSoundId), theApplication.m_hInstance, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}
