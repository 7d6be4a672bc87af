#include <array>

#include "components/theme/gdi_drawing.h"
#include "components/theme/offscreen_canvas.h"
#include "components/theme/painters.h"

namespace {

std::wstring CaptionText(HWND window) {
  std::array<wchar_t, 257> text{};
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

// Null (the window's font was never set) leaves the DC's own font in place.
HGDIOBJ ButtonFont(HWND window) { return reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)); }

UINT HorizontalFlag(Alignment alignment) {
  switch (alignment) {
    case Alignment::kStart:
      return DT_LEFT;
    case Alignment::kEnd:
      return DT_RIGHT;
    case Alignment::kCentre:
      break;
  }
  return DT_CENTER;
}

}  // namespace

void DrawButtonCaption(HWND window, HDC dc, Box area, Rgb colour, Alignment fallback) {
  const std::wstring text = CaptionText(window);
  if (text.empty()) return;
  const Selection font(dc, ButtonFont(window));
  const auto style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
  const UINT flags = ((style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE) |
                     HorizontalFlag(CaptionHorizontal(style, fallback));
  RECT place = ToRect(area);
  DrawTextW(dc, text.c_str(), -1, &place, flags | DT_CALCRECT);
  const int height = place.bottom - place.top;
  place = ToRect(area);
  place.top = AlignedStart(area.top, area.bottom, height, CaptionVertical(style));
  place.bottom = place.top + height;
  SetTextColor(dc, ToColorRef(colour));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), -1, &place, flags);
}

SIZE MeasureButtonCaption(HWND window, HDC dc) {
  const std::wstring text = CaptionText(window);
  const Selection font(dc, ButtonFont(window));
  RECT measured{};
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
  return {text.empty() ? 0 : measured.right, measured.bottom};
}
