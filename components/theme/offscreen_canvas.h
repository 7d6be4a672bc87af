// The painters' off-screen canvas; the GDI owners themselves are the services' ones.
#pragma once
#include <windows.h>

#include "components/services/gdi_handle.h"

// A bitmap the size of the area to paint, compatible with the target: painted in full, then
// copied to the screen in one piece so the user never sees a half-drawn control.
class OffscreenCanvas {
 public:
  OffscreenCanvas(HDC target, int width, int height)
      : dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)),
        selection_(dc_.get(), dc_ ? bitmap_.get() : nullptr),
        width_(width),
        height_(height) {}
  bool Ready() const { return dc_ && bitmap_; }
  HDC dc() const { return dc_.get(); }
  void CopyTo(HDC target, int x, int y) const { BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY); }

 private:
  MemoryDc dc_;
  GdiObject bitmap_;
  Selection selection_;
  int width_, height_;
};
