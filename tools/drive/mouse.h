// The mouse as a user moves it: real input through SendInput, which the system delivers to the
// window under the pointer (or to the one holding the capture, such as an open menu). Each step
// is followed by a short wait (waiting.h), so the window has handled it when the call returns.
#pragma once
#include <windows.h>

enum class MouseButton { kLeft, kRight };

// Moves the pointer to `at` (screen coordinates), sending the move again until the pointer is
// there; the variant with a window takes a point of its client area.
void MoveMouseTo(POINT at);
void MoveMouseTo(HWND window, POINT client);
// The left button pressed, or let go, where the pointer was last sent.
void PressLeftButton();
void ReleaseLeftButton();
// Moves the pointer there and presses and releases `button`; false when the system took fewer
// than all of the button's events.
bool ClickAt(POINT at, MouseButton button = MouseButton::kLeft);
bool ClickAt(HWND window, POINT client, MouseButton button = MouseButton::kLeft);
