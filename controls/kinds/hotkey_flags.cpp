#include "controls/kinds/hotkey_flags.h"

#include "components/services/hotkey_modifiers.h"

namespace {

using hotkey_modifier::kAlt, hotkey_modifier::kControl, hotkey_modifier::kShift;
constexpr uint32_t kFlagShift = 0x1, kFlagControl = 0x2, kFlagAlt = 0x4, kFlagExtended = 0x8;

struct Pair {
  uint32_t modifier;
  uint32_t flag;
};
constexpr Pair kPairs[] = {{kAlt, kFlagAlt}, {kControl, kFlagControl}, {kShift, kFlagShift}};

bool IsExtendedKey(uint32_t key) {
  constexpr uint32_t kPageUp = 0x21, kDown = 0x28, kInsert = 0x2D, kDelete = 0x2E, kDivide = 0x6F, kNumLock = 0x90;
  return (key >= kPageUp && key <= kDown) || key == kInsert || key == kDelete || key == kDivide || key == kNumLock;
}

}  // namespace

uint32_t ModifiersFromHotkeyFlags(uint32_t flags) {
  uint32_t modifiers = 0;
  for (const Pair& pair : kPairs) {
    if (flags & pair.flag) modifiers |= pair.modifier;
  }
  return modifiers;
}

uint32_t HotkeyFlagsFromModifiers(uint32_t modifiers, uint32_t key) {
  uint32_t flags = IsExtendedKey(key) ? kFlagExtended : 0;
  for (const Pair& pair : kPairs) {
    if (modifiers & pair.modifier) flags |= pair.flag;
  }
  return flags;
}
