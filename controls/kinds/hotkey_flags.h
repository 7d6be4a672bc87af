// The system's hotkey control speaks HOTKEYF_* flags; hotkey registration speaks MOD_*. Plain
// rules over numbers, spelled out so they need no Windows header.
#pragma once
#include <cstdint>

// MOD_ALT, MOD_CONTROL and MOD_SHIFT of the control's HOTKEYF_ALT, HOTKEYF_CONTROL and
// HOTKEYF_SHIFT; HOTKEYF_EXT (which only tells how the key was pressed) is dropped.
uint32_t ModifiersFromHotkeyFlags(uint32_t flags);
// The control's flags for `modifiers` on `key`: MOD_WIN, which the control cannot show, is
// dropped, and HOTKEYF_EXT is added for the keys of the extended block (arrows, Insert, Delete,
// Home, End, Page Up and Down, the number pad's divide and Num Lock) so that the control names
// them and not the number pad's keys of the same code.
uint32_t HotkeyFlagsFromModifiers(uint32_t modifiers, uint32_t key);
