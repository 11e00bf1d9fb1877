// Placement arithmetic. Saved values come from the registry and may be
// anything, so sums are never left to overflow: the saved rectangle wraps as
// documented, and the moves are worked out in 64 bits.
#include "settings/PlacementGeometry.h"

// Two's-complement truncation; GCC converts out-of-range values modulo 2^32.
static LONG WrapToLong(LONGLONG llValue)
{
    return (LONG)(ULONG)llValue;
}

RECT SavedPlacementRect(LONG x, LONG y, LONG cx, LONG cy)
{
    RECT rc;
    rc.left = x;
    rc.top = y;
    rc.right = WrapToLong((LONGLONG)x + cx);
    rc.bottom = WrapToLong((LONGLONG)y + cy);
    return rc;
}

bool IsRectInverted(const RECT &rc)
{
    return rc.left > rc.right || rc.top > rc.bottom;
}

bool MoveRectIntoArea(RECT *prc, const RECT &rcArea)
{
    LONGLONG llLeft = prc->left;
    LONGLONG llTop = prc->top;
    LONGLONG llWidth = (LONGLONG)prc->right - prc->left;
    LONGLONG llHeight = (LONGLONG)prc->bottom - prc->top;
    bool bInside = true;
    if (llLeft + llWidth > rcArea.right) {
        llLeft = rcArea.right - llWidth;
        bInside = false;
    }
    if (llTop + llHeight > rcArea.bottom) {
        llTop = rcArea.bottom - llHeight;
        bInside = false;
    }
    if (llLeft < rcArea.left) {
        llLeft = rcArea.left;
        bInside = false;
    }
    if (llTop < rcArea.top) {
        llTop = rcArea.top;
        bInside = false;
    }
    prc->left = WrapToLong(llLeft);
    prc->top = WrapToLong(llTop);
    prc->right = WrapToLong(llLeft + llWidth);
    prc->bottom = WrapToLong(llTop + llHeight);
    return bInside;
}

bool ChooseRestoredRect(const RECT *prcSaved, const RECT *prcCopy, const RECT &rcCurrent, const RECT &rcWork,
                        RECT *prcResult)
{
    // Only a copy that was found can agree: a saved rectangle of all zeros
    // matches no copy that is missing.
    bool bAsSaved = prcSaved && prcCopy && EqualRect(prcCopy, prcSaved);
    *prcResult = bAsSaved ? *prcSaved : rcCurrent;
    return MoveRectIntoArea(prcResult, rcWork) && bAsSaved;
}

POINT CenteredPosition(const RECT &rcWindow, const RECT &rcFrame, const RECT &rcTarget, const RECT &rcWork)
{
    LONGLONG llWidth = (LONGLONG)rcWindow.right - rcWindow.left;
    LONGLONG llHeight = (LONGLONG)rcWindow.bottom - rcWindow.top;
    // Half the difference between frame and window on each side: negative
    // when the window has invisible resize borders.
    LONGLONG llDx = (((LONGLONG)rcFrame.right - rcFrame.left) - llWidth) / 2;
    LONGLONG llDy = (((LONGLONG)rcFrame.bottom - rcFrame.top) - llHeight) / 2;

    LONGLONG llX = rcTarget.left + (((LONGLONG)rcTarget.right - rcTarget.left) - llWidth) / 2;
    LONGLONG llY = rcTarget.top + (((LONGLONG)rcTarget.bottom - rcTarget.top) - llHeight) / 2;
    if (llX + llWidth + llDx > rcWork.right)
        llX = rcWork.right - llWidth - llDx;
    if (llY + llHeight + llDy > rcWork.bottom)
        llY = rcWork.bottom - llHeight - llDy;
    if (llX - llDx < rcWork.left)
        llX = rcWork.left + llDx;
    if (llY - llDy < rcWork.top)
        llY = rcWork.top + llDy;

    POINT pt;
    pt.x = WrapToLong(llX);
    pt.y = WrapToLong(llY);
    return pt;
}
