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

namespace {
HMENU measuredMenu = nullptr;
int measuredPosition = 0;
POINT measuredMiddle{-1, -1};

// Runs inside the tour's own menu loop: reads where the item is, then closes the menu.
void CALLBACK MeasureShownMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  RECT item, window;
  HWND shown = FindTopWindow(GetCurrentProcessId(), kMenuClass, "");
  if (shown && GetWindowRect(shown, &window) && GetMenuItemRect(nullptr, measuredMenu, measuredPosition, &item))
    measuredMiddle = {(item.left + item.right) / 2 - window.left, (item.top + item.bottom) / 2 - window.top};
  EndMenu();
}
}  // namespace

// A popup of the tour's own, shown where the system puts it and closed again at once.
POINT MenuItemMiddle(int position) {
  measuredMenu = CreatePopupMenu();
  for (int i = 0; i <= position; ++i) AppendMenuW(measuredMenu, MF_STRING, i + 1, L"菜单项");
  HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  measuredPosition = position;
  measuredMiddle = {-1, -1};
  SetTimer(nullptr, 0, 100, MeasureShownMenu);
  TrackPopupMenu(measuredMenu, TPM_RETURNCMD | TPM_NONOTIFY, 0, 0, 0, owner, nullptr);
  DestroyMenu(measuredMenu);
  DestroyWindow(owner);
  return measuredMiddle;
}

bool ClickMenuAt(HWND menu, POINT middle) {
  RECT area;
  return middle.y >= 0 && GetWindowRect(menu, &area) &&
         ClickAt({area.left + middle.x, area.top + middle.y}, MouseButton::kLeft);
}

bool ChooseMenuItemFromEnd(HWND menu, int fromEnd) {
  for (int i = 0; i <= fromEnd; ++i) {
    if (!IsWindow(menu) || !PressKey(VK_UP)) return false;
    PumpFor(100);
  }
  return IsWindow(menu) && PressKey(VK_RETURN);
}
