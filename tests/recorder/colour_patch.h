// A plain topmost window of one colour at a known place, for tests that pick it, snap to it or
// look at the screen where it lies.
#pragma once
#include <windows.h>

class ColourPatch {
 public:
  // Shown at `at` (screen coordinates) without taking the focus, and painted before this returns.
  ColourPatch(const RECT& at, COLORREF colour);
  ~ColourPatch();
  ColourPatch(const ColourPatch&) = delete;
  ColourPatch& operator=(const ColourPatch&) = delete;

 private:
  HWND window_ = nullptr;
};

// The colour the screen shows at `at` now.
COLORREF ScreenColourAt(POINT at);
