#include "tests/controls/real_input.h"

#include <vector>

#include "tests/controls/program_run.h"

namespace {

constexpr int kHandlingMilliseconds = 100;

INPUT KeyStroke(WORD key, bool up) {
  INPUT stroke{};
  stroke.type = INPUT_KEYBOARD;
  stroke.ki.wVk = key;
  stroke.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return stroke;
}

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
  PumpFor(kHandlingMilliseconds);
}

void ClickWith(HWND window, POINT client, DWORD down, DWORD up) {
  MoveMouseTo(window, client);
  SendMouse(down);
  SendMouse(up);
}

}  // namespace

void PressKey(WORD key, bool ctrl) {
  std::vector<INPUT> strokes;
  if (ctrl) strokes.push_back(KeyStroke(VK_CONTROL, false));
  strokes.push_back(KeyStroke(key, false));
  strokes.push_back(KeyStroke(key, true));
  if (ctrl) strokes.push_back(KeyStroke(VK_CONTROL, true));
  SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
  PumpFor(kHandlingMilliseconds);
}

// Absolute coordinates run from 0 to 65535 over the screen; the middle of the pixel is aimed at.
void MoveMouseTo(HWND window, POINT client) {
  ClientToScreen(window, &client);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  move.mi.dx = static_cast<LONG>((2LL * client.x + 1) * 65536 / (2LL * GetSystemMetrics(SM_CXSCREEN)));
  move.mi.dy = static_cast<LONG>((2LL * client.y + 1) * 65536 / (2LL * GetSystemMetrics(SM_CYSCREEN)));
  SendInput(1, &move, sizeof(move));
  PumpFor(kHandlingMilliseconds);
}

void PressLeftButton() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void ReleaseLeftButton() { SendMouse(MOUSEEVENTF_LEFTUP); }

void ClickAt(HWND window, POINT client) { ClickWith(window, client, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }
void RightClickAt(HWND window, POINT client) { ClickWith(window, client, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }
