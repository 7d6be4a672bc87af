#include "app/recorder/hotkey_window.h"

namespace {

constexpr wchar_t kHotkeyClass[] = L"VelmoHotkeys";

using PressedRoutine = void (*)(int id);

LRESULT CALLBACK HotkeyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  } else if (message == WM_HOTKEY) {
    if (const auto pressed = reinterpret_cast<PressedRoutine>(GetWindowLongPtrW(window, GWLP_USERDATA)))
      pressed(static_cast<int>(wParam));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// A message-only window: never shown, never listed among the desktop's windows.
HotkeyWindow::HotkeyWindow(PressedRoutine pressed) {
  const HINSTANCE program = GetModuleHandleW(nullptr);
  const WNDCLASSW hotkeyClass{0, HotkeyProcedure, 0, 0, program, nullptr, nullptr, nullptr, nullptr, kHotkeyClass};
  RegisterClassW(&hotkeyClass);
  window_ = CreateWindowExW(0, kHotkeyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, program,
                            reinterpret_cast<void*>(pressed));
}

HotkeyWindow::~HotkeyWindow() {
  UnregisterAll();
  if (window_) DestroyWindow(window_);
}

HotkeyRegistration HotkeyWindow::Register(int id, const Hotkey& key) {
  if (!window_) return HotkeyRegistration::Refused;
  if (RegisterHotKey(window_, id, key.modifiers | MOD_NOREPEAT, key.key)) {
    registered_.push_back(id);
    return HotkeyRegistration::Registered;
  }
  return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED ? HotkeyRegistration::HeldElsewhere
                                                           : HotkeyRegistration::Refused;
}

void HotkeyWindow::UnregisterAll() {
  for (int id : registered_) UnregisterHotKey(window_, id);
  registered_.clear();
}
