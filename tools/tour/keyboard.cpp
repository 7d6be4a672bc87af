#include "tools/tour/keyboard.h"

#include <iterator>

namespace {
// No combination a user presses has more keys than this.
constexpr size_t kMostKeys = 4;
}  // namespace

bool PressKey(WORD virtualKey) { return PressKeys({virtualKey}); }

bool PressKeys(std::initializer_list<WORD> virtualKeys) {
  if (virtualKeys.size() > kMostKeys) return false;
  INPUT inputs[2 * kMostKeys] = {};
  UINT count = 0;
  for (WORD key : virtualKeys) inputs[count++].ki.wVk = key;
  for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
    inputs[count].ki.wVk = *key;
    inputs[count++].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  for (UINT i = 0; i < count; ++i) inputs[i].type = INPUT_KEYBOARD;
  return SendInput(count, inputs, sizeof(INPUT)) == count;
}
