#include "tools/drive/tray_menu.h"

#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"
#include "tools/drive/outside_window.h"
#include "tools/drive/waiting.h"

namespace {
constexpr wchar_t kTaskbarClass[] = L"Shell_TrayWnd";
constexpr int kTries = 4;
constexpr double kMenuSeconds = 3.0;

bool RightClickTrayIcon() {
  HWND taskbar = FindWindowW(kTaskbarClass, nullptr);
  RECT bar;
  if (!taskbar || !GetWindowRect(taskbar, &bar)) return false;
  const int icon = GetSystemMetrics(SM_CXSMICON) + 4;
  return ClickAt(POINT{bar.right - icon / 2 - 1, (bar.top + bar.bottom) / 2}, MouseButton::kRight);
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

bool ChooseMenuItem(HWND menu, int position) {
  const WORD step = position >= 0 ? VK_DOWN : VK_UP;
  const int steps = position >= 0 ? position + 1 : -position;
  for (int i = 0; i < steps; ++i) {
    if (!IsWindow(menu) || !PressKey(step)) return false;
  }
  if (!IsWindow(menu) || !PressKey(VK_RETURN)) return false;
  return WaitUntil([&] { return !IsWindowVisible(menu); }, kMenuSeconds);
}
