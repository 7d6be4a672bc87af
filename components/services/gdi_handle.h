// Owners for GDI objects and device contexts, so that no return path leaks one and every
// selection is undone before its object is deleted.
#pragma once
#include <windows.h>

#include "components/services/win_handle.h"

template <typename H>
H NoGdiHandle() {
  return nullptr;
}

using BitmapHandle = UniqueWinHandle<HBITMAP, DeleteObject, NoGdiHandle<HBITMAP>>;
using BrushHandle = UniqueWinHandle<HBRUSH, DeleteObject, NoGdiHandle<HBRUSH>>;
using FontHandle = UniqueWinHandle<HFONT, DeleteObject, NoGdiHandle<HFONT>>;
// Brushes, pens and bitmaps held without their exact type; never a stock object.
using GdiObject = UniqueWinHandle<HGDIOBJ, DeleteObject, NoGdiHandle<HGDIOBJ>>;
// A memory device context from CreateCompatibleDC.
using MemoryDc = UniqueWinHandle<HDC, DeleteDC, NoGdiHandle<HDC>>;

// The device context of a window's client area (GetDC), of the whole window with its frame
// (GetWindowDC), or of the screen for a null window.
class WindowDc {
 public:
  explicit WindowDc(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
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

// Selects an object into a device context for the scope and puts the former one back. A null
// object selects nothing.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), former_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (former_ && former_ != HGDI_ERROR) SelectObject(dc_, former_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ former_;
};
