#include "controls/control_link.h"

namespace {
constexpr wchar_t kControlProperty[] = L"VelmoControl";

// The control a reflected notification came from, by the window that sent it.
HWND NotificationSource(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return reinterpret_cast<HWND>(lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM:
      return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    default:
      (void)wParam;
      return nullptr;
  }
}
}  // namespace

void LinkControl(HWND hwnd, Control* control) { SetPropW(hwnd, kControlProperty, control); }

Control* ControlFromHwnd(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

bool ReflectNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND source = NotificationSource(message, wParam, lParam);
  // A combo box's list and edit parts report through the combo box itself.
  Control* control = ControlFromHwnd(source);
  if (!control && source) control = ControlFromHwnd(GetParent(source));
  return control && control->OnReflectedMessage(message, wParam, lParam, result);
}

int ControlIdOf(const UnitDefinition& unit) { return 0x100 + static_cast<int>(unit.id & 0x7FFF); }
