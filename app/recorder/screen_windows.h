// The screen as the area picker measures it, in physical pixels whatever the display's scaling:
// the virtual screen (every monitor) and the windows on it a user may pick or snap to.
#pragma once
#include <vector>

#include "app/recorder/area_geometry.h"

// The rectangle holding every monitor; left and top are negative where a monitor lies left of
// or above the primary one.
AreaEdges VirtualScreenEdges();

// The top-level windows the user sees, topmost first, as rectangles within the virtual screen:
// visible ones, neither minimised nor cloaked (a window of another virtual desktop, a suspended
// app), not the program's own, each without the invisible borders the system lays around a
// window for its resizing where the system reports them.
std::vector<AreaEdges> VisibleWindowAreas();
