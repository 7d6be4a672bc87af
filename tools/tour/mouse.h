// The mouse as a user moves it: real input through SendInput, which the system delivers to the
// window under the pointer (or to the one holding the capture, such as an open menu).
#pragma once
#include <windows.h>

enum class MouseButton { kLeft, kRight };

// Moves the pointer to `at` (screen coordinates) and presses and releases `button` there;
// false when the system took fewer than all of the input events.
bool ClickAt(POINT at, MouseButton button);
