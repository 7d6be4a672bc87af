// The mouse pointer drawn into a snapshot as the user sees it on the screen, and the ring that
// shows a mouse button held down.
#pragma once
#include <windows.h>

#include <optional>

#include "app/recorder/pointer_placement.h"
#include "components/services/services.h"

class PointerDrawing {
 public:
  // Draws onto `snapshot`, a device context holding a copy of `screen` physical pixels of the
  // screen from `origin` on (the primary screen's top-left corner is 0, 0), taken while the
  // thread measures in physical pixels: first, when `ring` and
  // a mouse button is down, the click ring around the pointer's hotspot; then, when `pointer`,
  // the pointer itself at its hotspot, with the system's own drawing, so colour, alpha and
  // inverting pointers look as they do on the screen. Nothing is drawn while the pointer is
  // hidden or outside the copy.
  void Draw(HDC snapshot, ScreenPoint origin, ScreenSize screen, bool pointer, bool ring);

 private:
  const std::optional<PointerPicture>& MeasuredPicture(HCURSOR cursor);
  void DrawPointer(HDC snapshot, HCURSOR cursor, ScreenPoint place);

  // The pointer last measured, its size and hotspot (none when it could not be measured).
  HCURSOR measuredCursor_ = nullptr;
  std::optional<PointerPicture> measured_;
  HCURSOR lastCursor_ = nullptr;
  UINT step_ = 0;  // the frame of an animated pointer drawn last
};
