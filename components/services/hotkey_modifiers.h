// The system's hotkey modifier bits (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN), named once for
// the rules that work without windows.h: the settings file's text, the settings' defaults and
// the hotkey box's conversion.
#pragma once
#include <cstdint>

namespace hotkey_modifier {
inline constexpr uint32_t kAlt = 0x0001;
inline constexpr uint32_t kControl = 0x0002;
inline constexpr uint32_t kShift = 0x0004;
inline constexpr uint32_t kWindows = 0x0008;
}  // namespace hotkey_modifier
