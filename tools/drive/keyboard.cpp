#include "tools/drive/keyboard.h"

#include <iterator>

#include "tools/drive/waiting.h"

namespace {
// No combination a user presses has more keys than this.
constexpr size_t kMostKeys = 4;
constexpr unsigned kHandlingMilliseconds = 100;

INPUT KeyStroke(WORD key, bool up) {
  INPUT stroke{};
  stroke.type = INPUT_KEYBOARD;
  stroke.ki.wVk = key;
  stroke.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return stroke;
}

bool SendAndWait(INPUT* strokes, UINT count) {
  const bool taken = SendInput(count, strokes, sizeof(INPUT)) == count;
  PumpFor(kHandlingMilliseconds);
  return taken;
}
}  // namespace

bool PressKey(WORD virtualKey) { return PressKeys({virtualKey}); }

bool PressKeys(std::initializer_list<WORD> virtualKeys) {
  if (virtualKeys.size() > kMostKeys) return false;
  INPUT strokes[2 * kMostKeys] = {};
  UINT count = 0;
  for (WORD key : virtualKeys) strokes[count++] = KeyStroke(key, false);
  for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) strokes[count++] = KeyStroke(*key, true);
  return SendAndWait(strokes, count);
}

// A second key-down without a key-up between is what the system sends for a held key.
bool HoldKey(WORD virtualKey) {
  INPUT strokes[] = {KeyStroke(virtualKey, false), KeyStroke(virtualKey, false), KeyStroke(virtualKey, true)};
  return SendAndWait(strokes, static_cast<UINT>(std::size(strokes)));
}
