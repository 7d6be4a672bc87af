#include "tools/drive/mouse.h"

#include "tools/drive/waiting.h"

namespace {

constexpr unsigned kHandlingMilliseconds = 100;
constexpr int kMoveAttempts = 5;

// Where the pointer was last sent, in absolute coordinates (0 to 65535 over the screen). Each
// button goes down and up there in the same input as a move to it: under Wine a late echo of an
// earlier move can otherwise put the pointer back just before a press.
LONG lastX = 0;
LONG lastY = 0;

// Aiming at the middle of the pixel lands on it whichever way the system rounds.
LONG Normalised(LONG pixel, int screenPixels) {
  return static_cast<LONG>((2LL * pixel + 1) * 65536 / (2LL * screenPixels));
}

bool SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = lastX;
  input.mi.dy = lastY;
  const bool taken = SendInput(1, &input, sizeof(input)) == 1;
  PumpFor(kHandlingMilliseconds);
  return taken;
}

POINT OnScreen(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

}  // namespace

void MoveMouseTo(POINT at) {
  lastX = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
  lastY = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    SendMouse(0);
    POINT now{};
    if (GetCursorPos(&now) && now.x == at.x && now.y == at.y) return;
  }
}

void MoveMouseTo(HWND window, POINT client) { MoveMouseTo(OnScreen(window, client)); }

void PressLeftButton() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void ReleaseLeftButton() { SendMouse(MOUSEEVENTF_LEFTUP); }

bool ClickAt(POINT at, MouseButton button) {
  const bool right = button == MouseButton::kRight;
  MoveMouseTo(at);
  const bool down = SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  return SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP) && down;
}

bool ClickAt(HWND window, POINT client, MouseButton button) { return ClickAt(OnScreen(window, client), button); }
