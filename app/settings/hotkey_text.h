// A hotkey as the user reads it: "Alt+F9", "Ctrl+Shift+F10". Plain C++ over the key codes, so
// the settings window, the tray's notices and the tests share one spelling.
#pragma once
#include <string>

#include "app/settings/settings.h"

// The modifiers in the order Ctrl, Shift, Alt, Win, each followed by "+", then the key's name:
// F1 to F24, letters and digits as printed on the key, "Num 5" and "Num *" for the number pad,
// English names for the others ("Space", "PageUp", "Pause"); a key without a name of its own
// reads as its code ("0xE8"). No hotkey (key 0) is the empty text.
std::string HotkeyText(const Hotkey& hotkey);
