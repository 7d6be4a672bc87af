#include "app/recorder/hotkey_window.h"

namespace {

constexpr wchar_t kHotkeyClass[] = L"VelmoHotkeys";

using PressedRoutine = void (*)(int id);

LRESULT AnswerHotkeyWindow(void* pressed, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_HOTKEY) return DefWindowProcW(window, message, wParam, lParam);
  reinterpret_cast<PressedRoutine>(pressed)(static_cast<int>(wParam));
  return 0;
}

}  // namespace

// A message-only window: never shown, never listed among the desktop's windows.
HotkeyWindow::HotkeyWindow(PressedRoutine pressed)
    : window_(kHotkeyClass, AnswerHotkeyWindow, reinterpret_cast<void*>(pressed), false) {}

HotkeyWindow::~HotkeyWindow() { UnregisterAll(); }

HotkeyRegistration HotkeyWindow::Register(int id, const Hotkey& key) {
  if (!window_.get()) return HotkeyRegistration::Refused;
  if (RegisterHotKey(window_.get(), id, key.modifiers | MOD_NOREPEAT, key.key)) {
    registered_.push_back(id);
    return HotkeyRegistration::Registered;
  }
  return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED ? HotkeyRegistration::HeldElsewhere
                                                           : HotkeyRegistration::Refused;
}

void HotkeyWindow::UnregisterAll() {
  for (int id : registered_) UnregisterHotKey(window_.get(), id);
  registered_.clear();
}
