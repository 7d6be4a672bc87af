#include "controls/child_window.h"

#include "components/services/wide_text.h"
#include "controls/control_link.h"

HWND CreateChildWindow(Control* control, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                       const std::string& text, HWND parent) {
  const UnitDefinition& unit = control->definition();
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  style &= ~WS_VISIBLE;
  if (unit.flags & kFlagDisabled) style |= WS_DISABLED;
  if (unit.flags & kFlagTabStop) style |= WS_TABSTOP;
  HWND hwnd = CreateWindowExW(exStyle, windowClass, Widen(text).c_str(), style, unit.left, unit.top, unit.width,
                              unit.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(unit))),
                              GetModuleHandleW(nullptr), control);
  if (hwnd) LinkControl(hwnd, control);
  return hwnd;
}
