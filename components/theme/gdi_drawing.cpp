#include "components/theme/gdi_drawing.h"

#include <vector>

#include "components/theme/offscreen_canvas.h"

namespace {

COLOR16 Channel16(uint8_t channel) { return static_cast<COLOR16>(channel << 8); }

TRIVERTEX Vertex(int x, int y, Rgb colour) {
  return {x, y, Channel16(colour.red), Channel16(colour.green), Channel16(colour.blue), 0};
}

}  // namespace

COLORREF ToColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

Rgb FromColorRef(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

Rgb SystemColour(int index) { return FromColorRef(GetSysColor(index)); }

Box ToBox(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

RECT ToRect(Box box) { return {box.left, box.top, box.right, box.bottom}; }

Box ClientBox(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return ToBox(client);
}

Box WindowBox(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {0, 0, rect.right - rect.left, rect.bottom - rect.top};
}

POINT ClientOriginInWindow(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return {origin.x - rect.left, origin.y - rect.top};
}

void FillBox(HDC dc, Box box, Rgb colour) {
  const RECT rect = ToRect(box);
  SetBkColor(dc, ToColorRef(colour));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void FillBoxWithBrush(HDC dc, Box box, HBRUSH brush) {
  const RECT rect = ToRect(box);
  FillRect(dc, &rect, brush);
}

void FrameBox(HDC dc, Box box, Rgb colour) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  FillBox(dc, {box.left, box.top, box.right, box.top + 1}, colour);
  FillBox(dc, {box.left, box.bottom - 1, box.right, box.bottom}, colour);
  FillBox(dc, {box.left, box.top, box.left + 1, box.bottom}, colour);
  FillBox(dc, {box.right - 1, box.top, box.right, box.bottom}, colour);
}

void ShadeBox(HDC dc, Box box, const Shade& shade) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  TRIVERTEX corners[] = {Vertex(box.left, box.top, shade.topLeft), Vertex(box.right, box.top, shade.topRight),
                         Vertex(box.left, box.bottom, shade.bottomLeft),
                         Vertex(box.right, box.bottom, shade.bottomRight)};
  GRADIENT_TRIANGLE triangles[] = {{0, 1, 2}, {3, 1, 2}};
  GradientFill(dc, corners, 4, triangles, 2, GRADIENT_FILL_TRIANGLE);
}

void SetPixels(HDC dc, std::span<const Pixel> pixels, Rgb colour) {
  for (const Pixel pixel : pixels) SetPixelV(dc, pixel.x, pixel.y, ToColorRef(colour));
}

void DrawStroke(HDC dc, std::span<const Pixel> points, Rgb colour) {
  const GdiObject pen(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
  const Selection selected(dc, pen.get());
  std::vector<POINT> line;
  for (const Pixel point : points) line.push_back({point.x, point.y});
  Polyline(dc, line.data(), static_cast<int>(line.size()));
}

HBRUSH AskParentForButtonBrush(HWND control, HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  const HWND parent = GetParent(control);
  const auto answer = parent ? SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(control))
                             : 0;
  return answer ? reinterpret_cast<HBRUSH>(answer) : GetSysColorBrush(COLOR_BTNFACE);
}

void ExcludeChildWindows(HDC dc, HWND window, POINT clientOrigin) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    ExcludeClipRect(dc, rect.left + clientOrigin.x, rect.top + clientOrigin.y, rect.right + clientOrigin.x,
                    rect.bottom + clientOrigin.y);
  }
}
