// Mouse and keyboard input through SendInput, and message pumping for tests.
#include "support/MouseInput.h"

#include <stdlib.h>

#include <algorithm>

// Absolute coordinates span 0..65535 over the primary screen and the system
// maps them back with floor(n * width / 65536): aiming at the middle of the
// pixel lands on it whatever the screen's width.
static LONG NormalizedCoordinate(LONG nPixel, int nScreenSize)
{
    return (LONG)(((LONGLONG)(2 * nPixel + 1) * 65536) / (2 * nScreenSize));
}

static void SendMouse(DWORD dwFlags, LONG dx = 0, LONG dy = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = dwFlags;
    SendInput(1, &input, sizeof(input));
    PumpMessagesFor(INPUT_PAUSE_MS);
}

static bool PointerIsAt(POINT pt)
{
    POINT ptCursor;
    return GetCursorPos(&ptCursor) && ptCursor.x == pt.x && ptCursor.y == pt.y;
}

bool MovePointerTo(POINT pt)
{
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, NormalizedCoordinate(pt.x, GetSystemMetrics(SM_CXSCREEN)),
              NormalizedCoordinate(pt.y, GetSystemMetrics(SM_CYSCREEN)));
    // Windows applies injected input on a thread of its own.
    return WaitUntil([pt] { return PointerIsAt(pt); }, 1000);
}

void PressLeftButton()
{
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeftButton()
{
    SendMouse(MOUSEEVENTF_LEFTUP);
}

bool MovePointerAlong(POINT pt)
{
    POINT ptFrom;
    if (!GetCursorPos(&ptFrom))
        return false;
    LONG dx = pt.x - ptFrom.x, dy = pt.y - ptFrom.y;
    LONG nSteps = (std::max(labs(dx), labs(dy)) + DRAG_STEP_PIXELS - 1) / DRAG_STEP_PIXELS;
    for (LONG i = 1; i < nSteps; i++) {
        POINT ptStep = {ptFrom.x + dx * i / nSteps, ptFrom.y + dy * i / nSteps};
        if (!MovePointerTo(ptStep))
            return false;
    }
    return MovePointerTo(pt);
}

static void SendKey(WORD wVk, DWORD dwFlags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.wScan = (WORD)MapVirtualKeyA(wVk, MAPVK_VK_TO_VSC);
    input.ki.dwFlags = dwFlags;
    SendInput(1, &input, sizeof(input));
    PumpMessagesFor(INPUT_PAUSE_MS);
}

void PressKey(WORD wVk)
{
    SendKey(wVk, 0);
    SendKey(wVk, KEYEVENTF_KEYUP);
}

POINT CenterOf(HWND hwnd)
{
    RECT rc = {};
    GetWindowRect(hwnd, &rc);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    return pt;
}

void PumpMessagesFor(DWORD dwMilliseconds)
{
    DWORD dwStart = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        DWORD dwElapsed = GetTickCount() - dwStart;
        if (dwElapsed >= dwMilliseconds)
            return;
        MsgWaitForMultipleObjects(0, NULL, FALSE, dwMilliseconds - dwElapsed, QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()> &condition, DWORD dwMilliseconds)
{
    DWORD dwStart = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - dwStart >= dwMilliseconds)
            return condition();
        PumpMessagesFor(10);
    }
    return true;
}
