// What the area picker's overlay shows: the screen as it was when the picker opened, dimmed, with
// the chosen rectangle as bright as it was, framed, its size in pixels beside it and, while it
// can be adjusted, its eight handles; the instructions on top. Drawn off screen and copied in
// one piece, so nothing flickers as the rectangle follows the mouse.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "app/recorder/area_geometry.h"
#include "components/services/gdi_handle.h"

// Coordinates are the overlay's client area's: the virtual screen's top-left at 0, 0.
class OverlayPicture {
 public:
  // Copies `screen` (virtual-screen physical pixels) as it is now and lays out `instructions`
  // at the top of the primary monitor; false when the system refuses the memory or the copy.
  bool Take(const AreaEdges& screen, const wchar_t* instructions);
  // Paints `part` into `dc` (the overlay's own device context).
  void Paint(HDC dc, const RECT& part, const std::optional<AreaEdges>& lit, bool handles) const;

 private:
  void PaintMarks(HDC dc, const AreaEdges& lit, bool handles) const;
  void PaintInstructions(HDC dc) const;

  int width_ = 0;
  int height_ = 0;
  MemoryDc bright_;
  MemoryDc dimmed_;
  BitmapHandle brightBitmap_;
  BitmapHandle dimmedBitmap_;
  std::optional<Selection> brightSelected_;  // the bitmaps in their device contexts, taken out
  std::optional<Selection> dimmedSelected_;  // before either goes
  FontHandle font_;
  const wchar_t* instructions_ = L"";
  POINT instructionsAt_{};  // the top-left of their box, centred on the primary monitor
};

// The part of the overlay that `lit` and its marks cover, to be painted again when it changes.
AreaEdges MarkedBounds(const AreaEdges& lit);
