// Message pumping and waiting for tests, and where a window is on the screen.
#include "support/Support.h"

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
