#include "controls/kinds/kind_support.h"

#include "controls/child_window.h"
#include "controls/control_link.h"
#include "controls/event_delivery.h"
#include "controls/painted/logical_font.h"

namespace {
constexpr wchar_t kHiddenClass[] = L"VelmoNonVisual";

LRESULT CALLBACK HiddenProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    LRESULT result = 0;
    if (Control* control = ControlFromHwnd(hwnd)) control->OnReflectedMessage(message, wParam, lParam, &result);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterHiddenClass() {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kHiddenClass, &windowClass)) return;
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = HiddenProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kHiddenClass;
  RegisterClassExW(&windowClass);
}
}  // namespace

void ApplyFont(HWND hwnd, const ByteString& logFont, FontHandle& owner) {
  FontHandle font = CreateFontFromBytes(logFont);
  const HFONT used = font ? font.get() : DefaultGuiFont();
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(used), TRUE);
  owner = std::move(font);
}

HWND CreateHiddenWindow(Control* control, HWND parent) {
  RegisterHiddenClass();
  return CreateChildWindow(control, kHiddenClass, 0, 0, "", parent);
}

void RecreateControl(Control& control) {
  EventSuppression suppress;
  const HWND old = control.hwnd();
  const HWND parent = GetParent(old);
  const HWND above = GetWindow(old, GW_HWNDPREV);
  const bool visible = (GetWindowLongPtrW(old, GWL_STYLE) & WS_VISIBLE) != 0;
  ::DestroyWindow(old);
  if (!control.Create(parent)) return;
  SetWindowPos(control.hwnd(), above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  control.OnWindowComplete();
  if (visible) ShowWindow(control.hwnd(), SW_SHOWNA);
}
