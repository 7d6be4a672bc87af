#include "controls/painted/border_style.h"

BorderStyles BorderStylesFor(int border) {
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

void ApplyBorder(HWND window, int border) {
  BorderStyles wanted = BorderStylesFor(border);
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE) & ~static_cast<LONG_PTR>(kAllBorderStyles.style);
  LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(kAllBorderStyles.extendedStyle);
  SetWindowLongPtrW(window, GWL_STYLE, style | static_cast<LONG_PTR>(wanted.style));
  SetWindowLongPtrW(window, GWL_EXSTYLE, extended | static_cast<LONG_PTR>(wanted.extendedStyle));
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  InvalidateRect(window, nullptr, FALSE);
}
