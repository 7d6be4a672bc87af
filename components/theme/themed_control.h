// One entry of the theme's list: a control the theme has taken over.
#pragma once
#include <windows.h>

#include "components/theme/control_kind.h"
#include "components/theme/control_state.h"

struct ThemedControl {
  HWND window = nullptr;
  ControlKind kind = ControlKind::kNone;
  ControlState state;
  // What the window procedure was before theming; it is what the window has again once the
  // theme lets go of it.
  WNDPROC previousProcedure = nullptr;
};
