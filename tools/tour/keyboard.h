// The keyboard as a user presses it: real input through SendInput, which the system delivers to
// the window with the keyboard focus, or as a hotkey to the program that registered the keys.
#pragma once
#include <windows.h>

// Presses and releases the key; false when the system took fewer than both events.
bool PressKey(WORD virtualKey);
// Holds `modifier` (VK_MENU, VK_CONTROL, VK_SHIFT) down while `virtualKey` is pressed and
// released, as "Alt+F9" is pressed; false when the system took fewer than all four events.
bool PressWith(WORD modifier, WORD virtualKey);
