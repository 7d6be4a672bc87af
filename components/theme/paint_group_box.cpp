#include "components/theme/gdi_drawing.h"
#include "components/theme/painters.h"

namespace {

void FillPixelsWithBrush(HDC dc, const std::vector<Pixel>& pixels, HBRUSH brush) {
  for (const Pixel pixel : pixels) FillBoxWithBrush(dc, {pixel.x, pixel.y, pixel.x + 1, pixel.y + 1}, brush);
}

void PaintGroupLayers(const ThemedControl& control, HDC dc, Box client) {
  const HBRUSH background = AskParentForButtonBrush(control.window, dc);
  const Rgb textColour = control.state.disabled ? kDisabledCaption : FromColorRef(GetTextColor(dc));
  FillBoxWithBrush(dc, client, background);

  const SIZE caption = MeasureButtonCaption(control.window, dc);
  const Box frame = GroupFrame(client, caption.cy);
  FrameBox(dc, frame, kGroupBoxFrame);
  const GroupCornerPixels corners = GroupBoxCorners(frame);
  FillPixelsWithBrush(dc, corners.background, background);
  SetPixels(dc, corners.frame, kGroupBoxFrame);

  if (caption.cx == 0) return;
  const auto style = static_cast<uint32_t>(GetWindowLongW(control.window, GWL_STYLE));
  const int left = GroupCaptionLeft(client.Width(), caption.cx, CaptionHorizontal(style, Alignment::kStart));
  const Box gap{left, client.top, left + caption.cx, client.top + caption.cy};
  FillBoxWithBrush(dc, gap, background);
  DrawButtonCaption(control.window, dc, gap, textColour, Alignment::kStart);
}

}  // namespace

void PaintGroupBox(const ThemedControl& control, HDC dc) {
  PaintClientOffscreen(control.window, dc, [&](HDC offscreen) { PaintGroupLayers(control, offscreen, ClientBox(control.window)); });
}
