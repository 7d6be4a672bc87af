#include "components/theme/gdi_drawing.h"
#include "components/theme/painters.h"

namespace {

constexpr int kMarkSize = 13;
constexpr int kCaptionGap = 4;
constexpr Rgb kMarkColour{33, 161, 33};
constexpr Shade kMarkBackground = VerticalShade({220, 220, 215}, kWhite);
// The tick of a checked box, relative to the box's top-left corner.
constexpr Pixel kTick[][3] = {{{3, 6}, {5, 8}, {10, 3}}, {{3, 7}, {5, 9}, {10, 4}}, {{3, 8}, {5, 10}, {10, 5}}};

void PaintCheckBoxMark(HDC dc, Box mark, const ControlState& state, Rgb outline) {
  FrameBox(dc, mark, outline);
  if (state.disabled)
    FillBox(dc, Inset(mark, 1), kDisabledButtonFace);
  else
    ShadeBox(dc, Inset(mark, 1), kMarkBackground);
  if (state.indeterminate) FillBox(dc, Inset(mark, 3), kMarkColour);
  if (!state.checked) return;
  for (const auto& stroke : kTick) {
    const std::array<Pixel, 3> placed = {Pixel{mark.left + stroke[0].x, mark.top + stroke[0].y},
                                         Pixel{mark.left + stroke[1].x, mark.top + stroke[1].y},
                                         Pixel{mark.left + stroke[2].x, mark.top + stroke[2].y}};
    DrawStroke(dc, placed, state.disabled ? kDisabledCaption : kMarkColour);
  }
}

void PaintRadioMark(HDC dc, Box mark, const ControlState& state, Rgb outline) {
  const GdiObject pen(CreatePen(PS_SOLID, 1, ToColorRef(outline)));
  const GdiObject fill(CreateSolidBrush(ToColorRef(state.disabled ? kDisabledButtonFace : kWhite)));
  const Selection selectedPen(dc, pen.get());
  const Selection selectedFill(dc, fill.get());
  Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
  if (!state.checked) return;
  const GdiObject dot(CreateSolidBrush(ToColorRef(state.disabled ? kDisabledCaption : kMarkColour)));
  const Selection selectedDot(dc, dot.get());
  const Box inner = Inset(mark, 4);
  Ellipse(dc, inner.left, inner.top, inner.right, inner.bottom);
}

void PaintCheckMarkLayers(const ThemedControl& control, int scheme, HDC dc, Box client) {
  FillBoxWithBrush(dc, client, AskParentForButtonBrush(control.window, dc));
  const int top = AlignedStart(client.top, client.bottom, kMarkSize, Alignment::kCentre);
  const Box mark{client.left, top, client.left + kMarkSize, top + kMarkSize};
  const Rgb outline = FieldFrameColours(scheme, control.state.disabled, false, SystemColour(COLOR_BTNFACE),
                                        SystemColour(COLOR_WINDOW))
                          .outer;
  if (control.kind == ControlKind::kRadioButton)
    PaintRadioMark(dc, mark, control.state, outline);
  else
    PaintCheckBoxMark(dc, mark, control.state, outline);

  const Box captionArea{mark.right + kCaptionGap, client.top, client.right, client.bottom};
  DrawButtonCaption(control.window, dc, captionArea, control.state.disabled ? kDisabledCaption : kBlack,
                    Alignment::kStart);
  if (control.state.focused) {
    const RECT focus = ToRect(captionArea);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace

void PaintCheckMarkButton(const ThemedControl& control, int scheme, HDC dc) {
  PaintClientOffscreen(control.window, dc, [&](HDC offscreen) { PaintCheckMarkLayers(control, scheme, offscreen, ClientBox(control.window)); });
}
