// The keyboard as a user presses it: real input through SendInput, which the system delivers to
// the window with the keyboard focus, or as a hotkey to the program that registered the keys.
// Each press is followed by a short wait (waiting.h), so the window has handled it when the call
// returns.
#pragma once
#include <windows.h>

#include <initializer_list>

// Presses and releases the key; false when the system took fewer than both events.
bool PressKey(WORD virtualKey);
// Presses the keys in order and releases them in reverse, as a user presses a combination
// (Ctrl, Shift, F8); false when the system took fewer events than that.
bool PressKeys(std::initializer_list<WORD> virtualKeys);
// Holds the key down long enough to repeat once, then lets it go.
bool HoldKey(WORD virtualKey);
