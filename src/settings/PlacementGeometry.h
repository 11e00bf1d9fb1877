// The arithmetic behind the dialog's placement: saved rectangles, their
// checks and their clamping into a work area, and the centring of a window
// over its owner. Nothing here asks the system anything.
#pragma once

#include <windows.h>

// The rectangle a saved placement stands for. Right and bottom wrap in
// 32-bit two's complement, so a sum past the largest coordinate gives an
// inverted rectangle.
RECT SavedPlacementRect(LONG x, LONG y, LONG cx, LONG cy);

// Left past right or top past bottom; an empty rectangle is not inverted.
bool IsRectInverted(const RECT &rc);

// Moves *prc into rcArea keeping its size: right and bottom edges first, then
// left and top, so a rectangle bigger than the area keeps its left and top
// edges on the area's. True when no move was needed. A size beyond 32 bits
// is kept as the saved values keep it, modulo 2^32.
bool MoveRectIntoArea(RECT *prc, const RECT &rcArea);

// Where the dialog reopens: the saved rectangle when the copy saved for the
// monitor it is on agrees with it, otherwise the current rectangle, then moved
// into the work area. prcSaved is null when no usable rectangle was saved,
// prcCopy when no copy was found. True only when the saved rectangle is used
// exactly as saved.
bool ChooseRestoredRect(const RECT *prcSaved, const RECT *prcCopy, const RECT &rcCurrent, const RECT &rcWork,
                        RECT *prcResult);

// The top-left corner that centres the window rectangle over rcTarget while
// keeping its visible frame (rcFrame, bigger or smaller than the window by
// the same amount on both sides) inside the work area.
POINT CenteredPosition(const RECT &rcWindow, const RECT &rcFrame, const RECT &rcTarget, const RECT &rcWork);
