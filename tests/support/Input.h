// Real input, injected with SendInput as a user's hand would give it, and the
// message pumping that tests need while other programs answer them.
#pragma once

#include <windows.h>

#include <functional>

// Moves the pointer onto a pixel of the primary screen; true when it is there.
bool MovePointerTo(POINT pt);
// Moves it there in steps of at most 32 pixels along each axis, as a hand drags.
bool MovePointerAlong(POINT pt);
void PressLeftButton();
void ReleaseLeftButton();
// Presses and releases a key.
void PressKey(WORD wVk);
// The centre of a window's rectangle on the screen.
POINT CenterOf(HWND hwnd);

// Handles this thread's messages for the time given.
void PumpMessagesFor(DWORD dwMilliseconds);
// Pumps messages until the condition holds or the time is up; returns the condition's last value.
bool WaitUntil(const std::function<bool()> &condition, DWORD dwMilliseconds);
