// Real mouse input, injected with SendInput as a user's hand would give it,
// and the message pumping that in-process tests need while input reaches
// windows of their own thread.
#pragma once

#include <windows.h>

#include <functional>

// Pause after each injected event, so that the receiving program handles the
// events one by one rather than as one coalesced move.
const DWORD INPUT_PAUSE_MS = 15;
// Largest distance, in pixels along each axis, between two moves of a drag.
const int DRAG_STEP_PIXELS = 8;

// Moves the pointer onto a pixel of the primary screen; true when it is there.
bool MovePointerTo(POINT pt);
void PressLeftButton();
void ReleaseLeftButton();
// Presses and releases a key, as a finger on the keyboard would.
void PressKey(WORD wVk);
// Moves the pointer from where it is to pt in steps of at most
// DRAG_STEP_PIXELS, pausing after each; the buttons are left as they are.
bool MovePointerAlong(POINT pt);
// The centre of a window's rectangle on the screen.
POINT CenterOf(HWND hwnd);

// Handles this thread's messages for the time given.
void PumpMessagesFor(DWORD dwMilliseconds);
// Pumps messages until the condition holds or the time is up; returns the
// condition's last value. Other processes handle input at their own pace:
// wait for what the user would see rather than for a fixed time.
bool WaitUntil(const std::function<bool()> &condition, DWORD dwMilliseconds);
