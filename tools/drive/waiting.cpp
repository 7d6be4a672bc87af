#include "tools/drive/waiting.h"

#include <windows.h>

namespace {
constexpr DWORD kPollMilliseconds = 20;

void DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void (*pump)() = DispatchPending;
}  // namespace

void SetMessagePump(void (*pumpPending)()) { pump = pumpPending ? pumpPending : DispatchPending; }

void PumpFor(unsigned milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    pump();
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

bool WaitUntil(const std::function<bool()>& ready, double seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  for (;;) {
    if (ready()) return true;
    if (GetTickCount64() >= end) return false;
    PumpFor(kPollMilliseconds);
  }
}
