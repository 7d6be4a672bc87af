#include "components/theme/gdi_drawing.h"
#include "components/theme/painters.h"

namespace {

FieldFrames SystemFieldFrames(int scheme, bool disabled, bool readOnly) {
  return FieldFrameColours(scheme, disabled, readOnly, SystemColour(COLOR_BTNFACE), SystemColour(COLOR_WINDOW));
}

// The combo box's own drawing is kept under the frames and the drop button, so its text and
// selection stay as the system draws them.
void PaintComboLayers(const ThemedControl& control, int scheme, HDC dc, ContentPrinter printContent) {
  const Box window = WindowBox(control.window);
  const FieldFrames frames = SystemFieldFrames(scheme, control.state.disabled, false);
  FillBox(dc, window, frames.inner);
  const POINT client = ClientOriginInWindow(control.window);
  POINT previousOrigin{};
  SetViewportOrgEx(dc, client.x, client.y, &previousOrigin);
  printContent(control.window, dc);
  SetViewportOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);

  PaintFieldFrames(dc, window, scheme, control.state.disabled, false);
  const Box drop = ComboDropButton(window, GetSystemMetrics(SM_CYVTHUMB));
  FrameBox(dc, drop, frames.inner);
  PaintArrowButton(dc, ArrowButtonBox(drop), scheme, control.state, ArrowDirection::kDown);
}

bool HasBorder(HWND window) {
  const POINT client = ClientOriginInWindow(window);
  return client.x > 0 && client.y > 0;
}

}  // namespace

void PaintFieldFrames(HDC dc, Box box, int scheme, bool disabled, bool readOnly) {
  const FieldFrames frames = SystemFieldFrames(scheme, disabled, readOnly);
  FrameBox(dc, box, frames.outer);
  FrameBox(dc, Inset(box, 1), frames.inner);
}

void PaintEditFrame(const ThemedControl& control, int scheme, HDC windowDc) {
  if (!HasBorder(control.window)) return;
  PaintFieldFrames(windowDc, WindowBox(control.window), scheme, control.state.disabled, control.state.readOnly);
}

void PaintComboBox(const ThemedControl& control, int scheme, HDC dc, POINT windowOrigin, ContentPrinter printContent) {
  const POINT client = ClientOriginInWindow(control.window);
  PaintOffscreen(control.window, dc, WindowBox(control.window), windowOrigin,
                 {windowOrigin.x + client.x, windowOrigin.y + client.y},
                 [&](HDC offscreen) { PaintComboLayers(control, scheme, offscreen, printContent); });
}
