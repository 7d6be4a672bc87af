#include "controls/window_style.h"

namespace {
bool IsResizable(int border) { return border == 1 || border == 3 || border == 5; }
}  // namespace

WindowStyle WindowStyleOf(const WindowProperties& window) {
  const int border = window.border < 0 ? 0 : (window.border > 6 ? 6 : window.border);
  if (border == 0) return {WS_POPUP, 0};
  WindowStyle result{0, 0};
  const bool captionBar = !window.caption.empty() || window.controlButton;
  result.style = captionBar ? WS_CAPTION : WS_POPUP | WS_BORDER;
  if (IsResizable(border)) result.style |= WS_THICKFRAME;
  if (border == 3 || border == 4) result.exStyle |= WS_EX_TOOLWINDOW;
  if (border == 5 || border == 6) result.exStyle |= WS_EX_CLIENTEDGE;
  if (captionBar && window.controlButton) {
    result.style |= WS_SYSMENU;
    if (window.minimiseButton) result.style |= WS_MINIMIZEBOX;
    if (window.maximiseButton) result.style |= WS_MAXIMIZEBOX;
  }
  return result;
}
