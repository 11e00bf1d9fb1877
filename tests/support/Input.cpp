// Mouse and keyboard input through SendInput, and message pumping for tests.
#include "support/Support.h"

// The pause lets the receiving program handle the events one by one.
static void Send(INPUT input)
{
    SendInput(1, &input, sizeof(input));
    PumpMessagesFor(15);
}

static void SendMouse(DWORD dwFlags, LONG dx = 0, LONG dy = 0)
{
    INPUT input = {INPUT_MOUSE, {}};
    input.mi = {dx, dy, 0, dwFlags, 0, 0};
    Send(input);
}

// Absolute coordinates span 0..65535 over the primary screen; aiming at the
// middle of the pixel lands on it whatever the screen's size.
static LONG Normalized(LONG nPixel, int nScreenSize)
{
    return (LONG)(((LONGLONG)(2 * nPixel + 1) * 65536) / (2 * nScreenSize));
}

bool MovePointerTo(POINT pt)
{
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalized(pt.x, GetSystemMetrics(SM_CXSCREEN)),
              Normalized(pt.y, GetSystemMetrics(SM_CYSCREEN)));
    POINT ptCursor;
    return WaitUntil([&] { return GetCursorPos(&ptCursor) && ptCursor.x == pt.x && ptCursor.y == pt.y; }, 5000);
}

void PressLeftButton(bool bDown)
{
    SendMouse(bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD wVk)
{
    for (DWORD dwFlags : {0, KEYEVENTF_KEYUP}) {
        INPUT input = {INPUT_KEYBOARD, {}};
        input.ki = {wVk, (WORD)MapVirtualKeyA(wVk, MAPVK_VK_TO_VSC), dwFlags, 0, 0};
        Send(input);
    }
}

POINT CenterOf(HWND hwnd)
{
    RECT rc = {};
    GetWindowRect(hwnd, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void PumpMessagesFor(DWORD dwMilliseconds)
{
    for (DWORD dwStart = GetTickCount();;) {
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
    for (DWORD dwStart = GetTickCount(); !condition(); PumpMessagesFor(10))
        if (GetTickCount() - dwStart >= dwMilliseconds)
            return condition();
    return true;
}
