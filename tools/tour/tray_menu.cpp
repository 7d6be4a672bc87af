#include "tools/tour/tray_menu.h"

#include "tools/tour/mouse.h"

namespace {
constexpr wchar_t kTaskbarClass[] = L"Shell_TrayWnd";
}  // namespace

bool RightClickTrayIcon() {
  HWND taskbar = FindWindowW(kTaskbarClass, nullptr);
  RECT bar;
  if (!taskbar || !GetWindowRect(taskbar, &bar)) return false;
  const int icon = GetSystemMetrics(SM_CXSMICON) + 4;
  return ClickAt({bar.right - icon / 2 - 1, (bar.top + bar.bottom) / 2}, MouseButton::kRight);
}

bool ClickLastMenuItem(HWND menu) {
  RECT area;
  return GetWindowRect(menu, &area) && ClickAt({(area.left + area.right) / 2, area.bottom - 10}, MouseButton::kLeft);
}
