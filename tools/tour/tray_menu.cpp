#include "tools/tour/tray_menu.h"

#include "tools/tour/keyboard.h"
#include "tools/tour/mouse.h"
#include "tools/tour/outside_window.h"
#include "tools/tour/waiting.h"

namespace {
constexpr wchar_t kTaskbarClass[] = L"Shell_TrayWnd";
constexpr int kTries = 4;
constexpr double kMenuSeconds = 3.0;

bool RightClickTrayIcon() {
  HWND taskbar = FindWindowW(kTaskbarClass, nullptr);
  RECT bar;
  if (!taskbar || !GetWindowRect(taskbar, &bar)) return false;
  const int icon = GetSystemMetrics(SM_CXSMICON) + 4;
  return ClickAt({bar.right - icon / 2 - 1, (bar.top + bar.bottom) / 2}, MouseButton::kRight);
}
}  // namespace

HWND OpenTrayMenuOf(DWORD processId) {
  HWND menu = nullptr;
  for (int i = 0; i < kTries && !menu; ++i) {
    if (!RightClickTrayIcon()) return nullptr;
    WaitUntil([&] { return (menu = FindTopWindow(processId, kMenuClass, "")) != nullptr; }, kMenuSeconds);
  }
  return menu;
}

bool ClickLastMenuItem(HWND menu) {
  RECT area;
  return GetWindowRect(menu, &area) && ClickAt({(area.left + area.right) / 2, area.bottom - 10}, MouseButton::kLeft);
}

bool ChooseMenuItemFromEnd(HWND menu, int fromEnd) {
  for (int i = 0; i <= fromEnd; ++i) {
    if (!IsWindow(menu) || !PressKey(VK_UP)) return false;
    PumpFor(100);
  }
  return IsWindow(menu) && PressKey(VK_RETURN);
}
