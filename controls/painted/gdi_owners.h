// Owners for the GDI objects and device contexts the painted kinds use, so that no return path
// leaks one and every selection is undone before its object is deleted.
#pragma once
#include <windows.h>

#include <utility>

#include "components/services/win_handle.h"

template <typename H>
H NoGdiHandle() {
  return nullptr;
}

using BitmapHandle = UniqueWinHandle<HBITMAP, DeleteObject, NoGdiHandle<HBITMAP>>;
using BrushHandle = UniqueWinHandle<HBRUSH, DeleteObject, NoGdiHandle<HBRUSH>>;
using FontHandle = UniqueWinHandle<HFONT, DeleteObject, NoGdiHandle<HFONT>>;
// A memory device context from CreateCompatibleDC.
using MemoryDc = UniqueWinHandle<HDC, DeleteDC, NoGdiHandle<HDC>>;

// The device context of a window's client area (GetDC), or of the screen for a null window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
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

// Selects an object into a device context for the scope and puts the former one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), former_(SelectObject(dc, object)) {}
  ~Selection() {
    if (former_ && former_ != HGDI_ERROR) SelectObject(dc_, former_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ former_;
};
