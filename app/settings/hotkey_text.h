// A hotkey as the settings file writes it: modifiers and key joined by "+", as "Ctrl+Shift+F9"
// or "Alt+F10"; the empty text for no hotkey. Plain C++ over strings.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "app/settings/settings.h"

// The text of `hotkey`: "Ctrl", "Shift", "Alt" and "Win" in that order, then the key's name
// ("F9", "A", "7", "Space", "Num5", ...; a key without a name as "0x" and two hex digits).
// Empty for no hotkey.
std::string HotkeyText(const Hotkey& hotkey);
// The hotkey a text names: the modifiers in any order and case, the key last. The empty text
// (blanks alone included) is no hotkey; nullopt for a text that names no key or a key twice.
std::optional<Hotkey> ParseHotkeyText(std::string_view text);
