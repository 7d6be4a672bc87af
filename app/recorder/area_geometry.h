// The rules of choosing a rectangle of the screen with the mouse, over plain numbers: drawing one
// by a drag in any direction, grabbing its handles to resize it or its inside to move it, edges
// snapping to a window's edges nearby, and every result kept within the screen and at least
// kSmallestAreaSide on each side. Coordinates are the virtual screen's physical pixels.
#pragma once
#include <array>
#include <optional>
#include <span>

#include "app/settings/settings.h"

// A rectangle by its edges; right and bottom lie just outside it, so right - left is its width.
struct AreaEdges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const AreaEdges&) const = default;
};

AreaEdges EdgesOf(const ScreenArea& area);
ScreenArea AreaOf(const AreaEdges& edges);
// The part of `edges` inside `bounds`; empty (all zero) when they do not meet.
AreaEdges Clipped(const AreaEdges& edges, const AreaEdges& bounds);
// `edges` moved, its size kept, until it lies within `bounds` (which it must fit).
AreaEdges ShiftedInto(const AreaEdges& edges, const AreaEdges& bounds);

// How far a press may stray before it counts as a drag, and how near an edge must come to a
// window's edge to snap to it, in pixels.
inline constexpr int kClickSlop = 3;
inline constexpr int kSnapDistance = 8;
// How near the pointer must be to the middle of a handle to grab it, in pixels either way.
inline constexpr int kGripReach = 6;

// What the pointer has hold of: nothing (a press there draws anew), the inside (moves the
// rectangle) or one of the eight handles, clockwise from the top-left corner.
enum class AreaGrip { None, Inside, TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };
inline constexpr std::array<AreaGrip, 8> kHandles{AreaGrip::TopLeft,     AreaGrip::Top,    AreaGrip::TopRight,
                                                  AreaGrip::Right,       AreaGrip::BottomRight, AreaGrip::Bottom,
                                                  AreaGrip::BottomLeft, AreaGrip::Left};

struct AreaPoint {
  int x = 0;
  int y = 0;
  bool operator==(const AreaPoint&) const = default;
};
// Where a handle sits on `area`: its corners and the middles of its sides, on its outermost
// pixels.
AreaPoint HandlePoint(const AreaEdges& area, AreaGrip handle);
// What a press at (x, y) takes hold of; the handles come before the inside, so a small
// rectangle can still be resized.
AreaGrip GripAt(const AreaEdges& area, int x, int y);

// Whether the pointer has gone far enough from where it was pressed for a drag.
bool MovedBeyondClick(AreaPoint pressed, AreaPoint now);

// A drag under way: what was grabbed, the rectangle when it was (ignored when drawing anew) and
// where the button went down.
struct AreaDrag {
  AreaGrip grip = AreaGrip::None;
  AreaEdges start;
  AreaPoint pressed;
};
// The rectangle with the pointer at `now`: drawn from the press to the pointer (both pixels
// inside), resized by the grabbed handle or moved by the drag's distance. The moving edges snap
// to `snapTo`'s (when given) within kSnapDistance; then the result is brought within `screen`
// and to at least kSmallestAreaSide each way.
AreaEdges DraggedArea(const AreaDrag& drag, AreaPoint now, const AreaEdges& screen,
                      const std::optional<AreaEdges>& snapTo);

// The first of `windows` (topmost first) holding (x, y), or whose edges are within `reach` of
// it; none when no window is there.
std::optional<AreaEdges> WindowAt(std::span<const AreaEdges> windows, AreaPoint at, int reach);

// `area` as a take may record it on `screen`: clipped to the screen and grown (kept within it)
// to at least kSmallestAreaSide each way; none when it lies wholly off the screen.
std::optional<AreaEdges> RecordableArea(const AreaEdges& area, const AreaEdges& screen);
