#include "app/recorder/area_overlay_picture.h"

#include <algorithm>
#include <string>

#include "components/services/screen_pixels.h"

namespace {

constexpr COLORREF kFrameColour = RGB(0, 120, 215);
constexpr COLORREF kHandleColour = RGB(255, 255, 255);
constexpr COLORREF kNoteBack = RGB(32, 32, 32);
constexpr COLORREF kNoteText = RGB(255, 255, 255);
constexpr int kFrameWidth = 2;
constexpr int kHandleHalf = 3;  // a handle is 7 pixels square
constexpr int kFontPixels = 16;
constexpr int kNotePadding = 6;
// Room for the widest size text, "99999 × 99999", and the gap between it and the rectangle.
constexpr int kLabelWidth = 150;
constexpr int kLabelHeight = kFontPixels + 2 * kNotePadding;
constexpr int kLabelGap = 4;
constexpr int kInstructionsTop = 24;

// Blended 5/8 of the way toward black: the screen stays readable behind the bright rectangle.
uint32_t Dimmed(uint32_t pixel) { return ((pixel >> 2) & 0x3F3F3F) + ((pixel >> 3) & 0x1F1F1F); }

BitmapHandle TopDownBitmap(int width, int height, uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* pixels = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  *bits = static_cast<uint32_t*>(pixels);
  return bitmap;
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  const BrushHandle brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

// Above the rectangle's top-left corner, or just inside it where the screen's top edge leaves no
// room above.
AreaEdges SizeLabelBox(const AreaEdges& lit) {
  const int above = lit.top - kFrameWidth - kLabelGap - kLabelHeight;
  const int top = above >= 0 ? above : lit.top + kLabelGap;
  const int left = above >= 0 ? lit.left - kFrameWidth : lit.left + kLabelGap;
  return {left, top, left + kLabelWidth, top + kLabelHeight};
}

// A dark box just large enough for `text`, white text in it, at `at`'s top-left.
void PaintNote(HDC dc, const std::wstring& text, POINT at) {
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  const RECT box{at.x, at.y, at.x + extent.cx + 2 * kNotePadding, at.y + extent.cy + 2 * kNotePadding};
  Fill(dc, box, kNoteBack);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kNoteText);
  TextOutW(dc, at.x + kNotePadding, at.y + kNotePadding, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

AreaEdges MarkedBounds(const AreaEdges& lit) {
  const int reach = std::max(kFrameWidth, kHandleHalf + 1);
  const AreaEdges label = SizeLabelBox(lit);
  return {std::min(lit.left - reach, label.left), std::min(lit.top - reach, label.top),
          std::max(lit.right + reach, label.right), std::max(lit.bottom + reach, label.bottom)};
}

// The copy is taken in physical pixels, the same the overlay's mouse messages give.
bool OverlayPicture::Take(const AreaEdges& screen, const wchar_t* instructions) {
  const PhysicalScreenScope physical;
  width_ = screen.width();
  height_ = screen.height();
  uint32_t* bright = nullptr;
  uint32_t* dimmed = nullptr;
  brightBitmap_ = TopDownBitmap(width_, height_, &bright);
  dimmedBitmap_ = TopDownBitmap(width_, height_, &dimmed);
  const WindowDc screenDc(nullptr);
  bright_.reset(CreateCompatibleDC(screenDc.get()));
  dimmed_.reset(CreateCompatibleDC(screenDc.get()));
  if (!bright || !dimmed || !bright_ || !dimmed_) return false;
  brightSelected_.emplace(bright_.get(), brightBitmap_.get());
  dimmedSelected_.emplace(dimmed_.get(), dimmedBitmap_.get());
  if (!BitBlt(bright_.get(), 0, 0, width_, height_, screenDc.get(), screen.left, screen.top, SRCCOPY)) return false;
  GdiFlush();
  std::transform(bright, bright + static_cast<size_t>(width_) * height_, dimmed, Dimmed);

  font_.reset(CreateFontW(-kFontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L""));
  instructions_ = instructions;
  const Selection font(bright_.get(), font_.get());
  SIZE extent{};
  GetTextExtentPoint32W(bright_.get(), instructions, static_cast<int>(wcslen(instructions)), &extent);
  const int boxWidth = extent.cx + 2 * kNotePadding;
  const POINT primary{-screen.left, -screen.top};
  instructionsAt_ = {primary.x + (GetSystemMetrics(SM_CXSCREEN) - boxWidth) / 2, primary.y + kInstructionsTop};
  return true;
}

// Painted into a bitmap the size of the part, then copied to the window at once.
void OverlayPicture::Paint(HDC dc, const RECT& part, const std::optional<AreaEdges>& lit, bool handles) const {
  const int width = part.right - part.left, height = part.bottom - part.top;
  if (width <= 0 || height <= 0) return;
  const MemoryDc canvas(CreateCompatibleDC(dc));
  const BitmapHandle bitmap(CreateCompatibleBitmap(dc, width, height));
  if (!canvas || !bitmap) return;
  const Selection selected(canvas.get(), bitmap.get());
  SetViewportOrgEx(canvas.get(), -part.left, -part.top, nullptr);
  BitBlt(canvas.get(), part.left, part.top, width, height, dimmed_.get(), part.left, part.top, SRCCOPY);
  const Selection font(canvas.get(), font_.get());
  if (lit) PaintMarks(canvas.get(), *lit, handles);
  PaintInstructions(canvas.get());
  BitBlt(dc, part.left, part.top, width, height, canvas.get(), part.left, part.top, SRCCOPY);
}

void OverlayPicture::PaintMarks(HDC dc, const AreaEdges& lit, bool handles) const {
  BitBlt(dc, lit.left, lit.top, lit.width(), lit.height(), bright_.get(), lit.left, lit.top, SRCCOPY);
  const RECT frame{lit.left - kFrameWidth, lit.top - kFrameWidth, lit.right + kFrameWidth, lit.bottom + kFrameWidth};
  const BrushHandle frameBrush(CreateSolidBrush(kFrameColour));
  for (int ring = 0; ring < kFrameWidth; ++ring) {
    const RECT line{frame.left + ring, frame.top + ring, frame.right - ring, frame.bottom - ring};
    FrameRect(dc, &line, frameBrush.get());
  }
  if (handles) {
    for (AreaGrip handle : kHandles) {
      const AreaPoint at = HandlePoint(lit, handle);
      const RECT square{at.x - kHandleHalf, at.y - kHandleHalf, at.x + kHandleHalf + 1, at.y + kHandleHalf + 1};
      Fill(dc, square, kHandleColour);
      FrameRect(dc, &square, frameBrush.get());
    }
  }
  const AreaEdges label = SizeLabelBox(lit);
  PaintNote(dc, std::to_wstring(lit.width()) + L" × " + std::to_wstring(lit.height()), {label.left, label.top});
}

void OverlayPicture::PaintInstructions(HDC dc) const {
  PaintNote(dc, instructions_, instructionsAt_);
}
