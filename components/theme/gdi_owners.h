// Owners for the GDI objects the painters use, so that no return path leaks a DC, bitmap,
// brush or pen, or leaves an object selected.
#pragma once
#include <windows.h>

#include "components/services/win_handle.h"

inline HDC NullDc() { return nullptr; }
inline HGDIOBJ NullGdiObject() { return nullptr; }

// CreateCompatibleDC answers null on failure.
using MemoryDc = UniqueWinHandle<HDC, DeleteDC, NullDc>;
// Brushes, pens and bitmaps made by the painters; stock objects are never put in one.
using GdiObject = UniqueWinHandle<HGDIOBJ, DeleteObject, NullGdiObject>;

// Keeps `object` selected into `dc` for the owner's lifetime, then puts back what was there.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (previous_) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The DC of a window's client area, or with `wholeWindow` of the window with its frame.
class WindowDc {
 public:
  WindowDc(HWND window, bool wholeWindow) : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

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
