#include "components/services/screen_pixels.h"

#include <windows.h>

namespace {

using SetThreadDpiAwarenessContextFunction = HANDLE(WINAPI*)(HANDLE);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE: raw pixels on every monitor.
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-3));

SetThreadDpiAwarenessContextFunction SetThreadAwareness() {
  static const auto function = reinterpret_cast<SetThreadDpiAwarenessContextFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  return function;
}

}  // namespace

PhysicalScreenScope::PhysicalScreenScope() {
  if (const SetThreadDpiAwarenessContextFunction set = SetThreadAwareness()) previous_ = set(kPerMonitorAware);
}

PhysicalScreenScope::~PhysicalScreenScope() {
  if (previous_) SetThreadAwareness()(previous_);
}

// Without per-thread awareness the metrics may be the scaled ones; the primary display's
// current mode holds its physical size on every system.
ScreenSize PrimaryScreenPixels() {
  const PhysicalScreenScope physical;
  if (!SetThreadAwareness()) {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmPelsWidth > 0 && mode.dmPelsHeight > 0)
      return {static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)};
  }
  return PrimaryScreenSize();
}
