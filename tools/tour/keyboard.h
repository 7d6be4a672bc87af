// The keyboard as a user presses it: real input through SendInput, which the system delivers to
// the window with the keyboard focus.
#pragma once
#include <windows.h>

// Presses and releases the key; false when the system took fewer than both events.
bool PressKey(WORD virtualKey);
