#include <windows.h>

#include <commctrl.h>

#include "components/theme/gdi_drawing.h"
#include "components/theme/painters.h"

namespace {

void PaintUpDownLayers(const ThemedControl& control, int scheme, HDC dc, Box client) {
  if (GetWindowLongW(control.window, GWL_STYLE) & UDS_HORZ) {
    const int middle = client.left + client.Width() / 2;
    PaintArrowButton(dc, {client.left, client.top, middle, client.bottom}, scheme, control.state, ArrowDirection::kLeft);
    PaintArrowButton(dc, {middle, client.top, client.right, client.bottom}, scheme, control.state,
                     ArrowDirection::kRight);
    return;
  }
  const int middle = client.top + client.Height() / 2;
  PaintArrowButton(dc, {client.left, client.top, client.right, middle}, scheme, control.state, ArrowDirection::kUp);
  PaintArrowButton(dc, {client.left, middle, client.right, client.bottom}, scheme, control.state, ArrowDirection::kDown);
}

}  // namespace

void PaintArrowButton(HDC dc, Box box, int scheme, const ControlState& state, ArrowDirection direction) {
  const int entry = ArrowState(state);
  ShadeBox(dc, box, ArrowShade(scheme, entry));
  const Shade cornerColours = ArrowShade(scheme, entry + 4);
  const std::array<Pixel, 4> corners = CornerPixels(box);
  const std::array<Rgb, 4> colours = {cornerColours.topLeft, cornerColours.topRight, cornerColours.bottomLeft,
                                      cornerColours.bottomRight};
  for (size_t i = 0; i < corners.size(); ++i) SetPixels(dc, {&corners[i], 1}, colours[i]);
  ShadeBox(dc, Inset(box, 1), ArrowShade(scheme, entry + 8));
  for (const ArrowStroke& stroke : ArrowStrokes(box, direction)) DrawStroke(dc, stroke, ArrowColour(scheme, state.disabled));
}

void PaintUpDown(const ThemedControl& control, int scheme, HDC dc) {
  PaintClientOffscreen(control.window, dc,
                       [&](HDC offscreen) { PaintUpDownLayers(control, scheme, offscreen, ClientBox(control.window)); });
}
