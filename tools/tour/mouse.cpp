#include "tools/tour/mouse.h"

#include <iterator>

namespace {
// Absolute mouse positions run from 0 to 65535 across the primary screen; aiming at the middle
// of the pixel lands on it whichever way the system rounds.
LONG Normalised(LONG pixel, int screenPixels) {
  return static_cast<LONG>((2LL * pixel + 1) * 65536 / (2LL * screenPixels));
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}
}  // namespace

bool ClickAt(POINT at, MouseButton button) {
  const bool right = button == MouseButton::kRight;
  INPUT inputs[] = {MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE),
                    MouseInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                    MouseInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
  inputs[0].mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
  inputs[0].mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
  const UINT count = static_cast<UINT>(std::size(inputs));
  return SendInput(count, inputs, sizeof(INPUT)) == count;
}
