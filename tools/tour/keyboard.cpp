#include "tools/tour/keyboard.h"

#include <iterator>

bool PressKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  const UINT count = static_cast<UINT>(std::size(inputs));
  return SendInput(count, inputs, sizeof(INPUT)) == count;
}
