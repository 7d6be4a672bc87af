#include "tests/controls/real_input.h"

#include <vector>

#include "tests/controls/program_run.h"

namespace {

constexpr int kHandlingMilliseconds = 100;
constexpr int kMoveAttempts = 5;

// Where the pointer was last sent, in absolute coordinates (0 to 65535 over the screen). Each
// button goes down and up there in the same input as a move to it: under Wine a late echo of an
// earlier move can otherwise put the pointer back just before a press.
LONG lastX = 0;
LONG lastY = 0;

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
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = lastX;
  input.mi.dy = lastY;
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

void HoldKey(WORD key) {
  const INPUT strokes[] = {KeyStroke(key, false), KeyStroke(key, false), KeyStroke(key, true)};
  SendInput(3, const_cast<INPUT*>(strokes), sizeof(INPUT));
  PumpFor(kHandlingMilliseconds);
}

// The middle of the pixel is aimed at. A move that has not arrived before the next input is sent
// again until the pointer is there.
void MoveMouseTo(HWND window, POINT client) {
  ClientToScreen(window, &client);
  lastX = static_cast<LONG>((2LL * client.x + 1) * 65536 / (2LL * GetSystemMetrics(SM_CXSCREEN)));
  lastY = static_cast<LONG>((2LL * client.y + 1) * 65536 / (2LL * GetSystemMetrics(SM_CYSCREEN)));
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    SendMouse(0);
    POINT at{};
    if (GetCursorPos(&at) && at.x == client.x && at.y == client.y) return;
  }
}

void PressLeftButton() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void ReleaseLeftButton() { SendMouse(MOUSEEVENTF_LEFTUP); }

void ClickAt(HWND window, POINT client) { ClickWith(window, client, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }
void RightClickAt(HWND window, POINT client) { ClickWith(window, client, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }
