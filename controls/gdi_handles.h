// Owners for the USER and GDI handles the runtime makes, so that no return path leaks one.
#pragma once
#include <windows.h>

#include "components/services/win_handle.h"

inline HMENU NoMenu() { return nullptr; }
inline HACCEL NoAccelerators() { return nullptr; }
inline HICON NoIcon() { return nullptr; }
inline HCURSOR NoCursor() { return nullptr; }
inline HGDIOBJ NoGdiObject() { return nullptr; }
inline HDC NoDc() { return nullptr; }

using MenuHandle = UniqueWinHandle<HMENU, DestroyMenu, NoMenu>;
using AcceleratorHandle = UniqueWinHandle<HACCEL, DestroyAcceleratorTable, NoAccelerators>;
using IconHandle = UniqueWinHandle<HICON, DestroyIcon, NoIcon>;
using CursorHandle = UniqueWinHandle<HCURSOR, DestroyCursor, NoCursor>;
// Fonts, bitmaps, pens and brushes made by the program (never stock objects).
using GdiObjectHandle = UniqueWinHandle<HGDIOBJ, DeleteObject, NoGdiObject>;
// A memory DC from CreateCompatibleDC.
using MemoryDcHandle = UniqueWinHandle<HDC, DeleteDC, NoDc>;

// A DC from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects an object into a DC for one scope and puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};
