#include "controls/child_window.h"

#include <cstring>

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

BorderStyle BorderStyleOf(int border) {
  switch (border) {
    case 1:
      return {0, WS_EX_CLIENTEDGE};
    case 2:
      return {0, WS_EX_DLGMODALFRAME};
    case 3:
      return {0, WS_EX_STATICEDGE};
    case 4:
      return {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME};
    case 5:
      return {WS_BORDER, 0};
    default:
      return {0, 0};
  }
}

void ApplyBorder(HWND hwnd, int border) {
  const BorderStyle wanted = BorderStyleOf(border);
  const LONG_PTR style = (GetWindowLongPtrW(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(kAllBorderStyles)) | wanted.style;
  const LONG_PTR exStyle =
      (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(kAllBorderExStyles)) | wanted.exStyle;
  SetWindowLongPtrW(hwnd, GWL_STYLE, style);
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, exStyle);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(hwnd, nullptr, TRUE);
}

HFONT MakeFont(const ByteString& logFont) {
  LOGFONTA font{};
  if (logFont.size() != sizeof(font)) return nullptr;
  std::memcpy(&font, logFont.data(), sizeof(font));
  font.lfFaceName[LF_FACESIZE - 1] = '\0';
  return CreateFontIndirectA(&font);
}

COLORREF ResolveColour(Colour colour) {
  return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour & 0xFFFFFF);
}
