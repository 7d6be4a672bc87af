#include "controls/painted/painted_control.h"

#include "controls/painted/border_style.h"

namespace {

bool RegisterPaintedClass(const wchar_t* className, WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, className, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

PaintedControl::~PaintedControl() {
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd_);
}

bool PaintedControl::CreatePaintedWindow(HWND parent, const wchar_t* className, DWORD extraStyle, int border) {
  if (!RegisterPaintedClass(className, WindowProcedure)) return false;
  const UnitDefinition& unit = definition();
  BorderStyles borderStyles = BorderStylesFor(border);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | extraStyle | borderStyles.style;
  if (unit.flags & kFlagDisabled) style |= WS_DISABLED;
  if (unit.flags & kFlagTabStop) style |= WS_TABSTOP;
  // The low 16 bits of the unit id serve as the child id; the runtime finds the object through
  // the window, never through this id.
  HMENU childId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(unit.id & 0xFFFF));
  CreateWindowExW(borderStyles.extendedStyle, className, L"", style, unit.left, unit.top, unit.width, unit.height,
                  parent, childId, GetModuleHandleW(nullptr), static_cast<Control*>(this));
  return hwnd_ != nullptr;
}

LRESULT PaintedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void PaintedControl::Repaint() const {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK PaintedControl::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The window keeps the base pointer, as every control's window does.
  if (message == WM_NCCREATE) {
    auto* control = static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    static_cast<PaintedControl*>(control)->hwnd_ = window;
  }
  auto* control = static_cast<PaintedControl*>(reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
  if (!control) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
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
