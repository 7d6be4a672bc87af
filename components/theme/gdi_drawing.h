// Thin GDI steps the painters are built from: each paints one plain shape into a DC.
#pragma once
#include <windows.h>

#include <span>

#include "components/theme/offscreen_canvas.h"
#include "components/theme/theme_colours.h"
#include "components/theme/theme_geometry.h"

COLORREF ToColorRef(Rgb colour);
Rgb FromColorRef(COLORREF colour);
Rgb SystemColour(int index);
Box ToBox(const RECT& rect);
RECT ToRect(Box box);
// The client area, and the whole window with its top-left corner at 0,0.
Box ClientBox(HWND window);
Box WindowBox(HWND window);
// Where the client area's top-left corner lies in the window's own coordinates.
POINT ClientOriginInWindow(HWND window);

void FillBox(HDC dc, Box box, Rgb colour);
void FillBoxWithBrush(HDC dc, Box box, HBRUSH brush);
// A one-pixel frame just inside `box`.
void FrameBox(HDC dc, Box box, Rgb colour);
// The two-triangle shading of `box` from its four corner colours.
void ShadeBox(HDC dc, Box box, const Shade& shade);
void SetPixels(HDC dc, std::span<const Pixel> pixels, Rgb colour);
// A one-pixel polyline without its last point.
void DrawStroke(HDC dc, std::span<const Pixel> points, Rgb colour);

// The brush and text colour the parent gives a button (the button colour request); the text
// colour is left selected in `dc`. Never null: the button face when the parent has none.
HBRUSH AskParentForButtonBrush(HWND control, HDC dc);

// Leaves the visible child windows of `window` out of `dc`'s clipping, so copying a whole
// control never paints over its children. `clientOrigin` is where the client area lies in `dc`.
void ExcludeChildWindows(HDC dc, HWND window, POINT clientOrigin);

// Paints `area` of a control off-screen with `paint(dc)`, then copies it in one piece to
// `target` at `at`, around the control's children (its client area lying at `clientOrigin`).
template <typename Paint>
void PaintOffscreen(HWND window, HDC target, Box area, POINT at, POINT clientOrigin, Paint&& paint) {
  const OffscreenCanvas canvas(target, area.Width(), area.Height());
  if (!canvas.Ready()) return;
  paint(canvas.dc());
  const int saved = SaveDC(target);
  ExcludeChildWindows(target, window, clientOrigin);
  canvas.CopyTo(target, at.x, at.y);
  RestoreDC(target, saved);
}

// The same for a painter of the client area at the DC's origin.
template <typename Paint>
void PaintClientOffscreen(HWND window, HDC target, Paint&& paint) {
  PaintOffscreen(window, target, ClientBox(window), {0, 0}, {0, 0}, paint);
}
