#include "controls/painted/painted_control.h"

#include "controls/child_window.h"
#include "controls/control_link.h"
#include "controls/painted/border_style.h"

namespace {

bool RegisterPaintedClass(const wchar_t* className, WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, className, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  // Alignment and picture placement depend on the size, so a resize repaints everything.
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

PaintedControl::~PaintedControl() {
  if (!hwnd_) return;
  // Unlinked first, so that the messages of its destruction never reach a half-destroyed object.
  LinkControl(hwnd_, nullptr);
  ::DestroyWindow(hwnd_);
}

bool PaintedControl::CreatePaintedWindow(HWND parent, const wchar_t* className, const std::string& text,
                                         DWORD extraStyle, DWORD extraExtendedStyle, int border) {
  if (!RegisterPaintedClass(className, WindowProcedure)) return false;
  BorderStyles borderStyles = BorderStylesFor(border);
  return CreateChildWindow(this, className, extraStyle | borderStyles.style,
                           extraExtendedStyle | borderStyles.extendedStyle, text, parent) != nullptr;
}

LRESULT PaintedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void PaintedControl::Repaint() const {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK PaintedControl::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* control = static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    LinkControl(window, control);
    static_cast<PaintedControl*>(control)->hwnd_ = window;
  }
  auto* control = static_cast<PaintedControl*>(ControlFromHwnd(window));
  if (!control) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    control->hwnd_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return control->Dispatch(message, wParam, lParam);
}

LRESULT PaintedControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // PaintContent covers the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      if (dc) PaintContent(dc);
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintContent(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return HandleMessage(message, wParam, lParam);
  }
}
