#include "controls/busy_cursor.h"

#include <windows.h>

#include "controls/runtime.h"

namespace {
HCURSOR busyCursorMemory = nullptr;
bool busyCursorOn = false;
}  // namespace

bool IsBusyCursorOn() { return busyCursorOn; }

void BusyCursorOn() {
  const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  if (!busyCursorOn) {
    busyCursorMemory = previous;
    busyCursorOn = true;
  }
}

void BusyCursorOff() {
  if (busyCursorOn) SetCursor(busyCursorMemory);
  busyCursorOn = false;
  // Moving the mouse onto its own place makes the system redraw the cursor of what lies below.
  POINT at;
  if (GetCursorPos(&at)) SetCursorPos(at.x, at.y);
}
