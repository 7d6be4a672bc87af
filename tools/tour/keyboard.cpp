#include "tools/tour/keyboard.h"

#include <iterator>

namespace {
INPUT KeyEvent(WORD virtualKey, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = flags;
  return input;
}

template <size_t count>
bool Send(INPUT (&inputs)[count]) {
  return SendInput(static_cast<UINT>(count), inputs, sizeof(INPUT)) == count;
}
}  // namespace

bool PressKey(WORD virtualKey) {
  INPUT inputs[] = {KeyEvent(virtualKey, 0), KeyEvent(virtualKey, KEYEVENTF_KEYUP)};
  return Send(inputs);
}

bool PressWith(WORD modifier, WORD virtualKey) {
  INPUT inputs[] = {KeyEvent(modifier, 0), KeyEvent(virtualKey, 0), KeyEvent(virtualKey, KEYEVENTF_KEYUP),
                    KeyEvent(modifier, KEYEVENTF_KEYUP)};
  return Send(inputs);
}
