#include "components/theme/gdi_drawing.h"
#include "components/theme/painters.h"

namespace {

void PaintButtonLayers(const ThemedControl& control, int scheme, HDC dc, Box client) {
  const Rgb face = SystemColour(COLOR_BTNFACE);
  const ButtonLook look = PushButtonLook(scheme, control.state, face);
  FillBoxWithBrush(dc, client, AskParentForButtonBrush(control.window, dc));
  FrameBox(dc, client, face);
  FrameBox(dc, Inset(client, 1), look.frame);
  if (look.ringEntry == kNoShade)
    FillBox(dc, Inset(client, 2), kDisabledButtonFace);
  else
    ShadeBox(dc, Inset(client, 2), ButtonShade(scheme, look.ringEntry));
  if (look.faceEntry != kNoShade) ShadeBox(dc, Inset(client, 4), ButtonShade(scheme, look.faceEntry));

  const ButtonCornerPixels corners = PushButtonCorners(client);
  SetPixels(dc, corners.frameCorners, face);
  SetPixels(dc, corners.innerCorners, look.innerCorner);
  SetPixels(dc, corners.frameFlanks, look.frameFlank);

  if (control.state.focused) {
    const RECT focus = ToRect(Inset(client, 3));
    DrawFocusRect(dc, &focus);
  }
  const int shift = control.state.pressed ? 1 : 0;
  DrawButtonCaption(control.window, dc, Shifted(Inset(client, 4), shift, shift), look.caption, Alignment::kCentre);
}

}  // namespace

void PaintPushButton(const ThemedControl& control, int scheme, HDC dc) {
  PaintClientOffscreen(control.window, dc, [&](HDC offscreen) { PaintButtonLayers(control, scheme, offscreen, ClientBox(control.window)); });
}
