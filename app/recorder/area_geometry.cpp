#include "app/recorder/area_geometry.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// One axis of a rectangle: left and right, or top and bottom.
struct Span {
  int low = 0;
  int high = 0;
};

// Which of an axis' edges a drag carries along.
enum class EdgeMove { None, Low, High, Both };

struct GripRow {
  AreaGrip grip;
  EdgeMove x;
  EdgeMove y;
};
constexpr GripRow kGripRows[] = {
    {AreaGrip::TopLeft, EdgeMove::Low, EdgeMove::Low},       {AreaGrip::Top, EdgeMove::None, EdgeMove::Low},
    {AreaGrip::TopRight, EdgeMove::High, EdgeMove::Low},     {AreaGrip::Right, EdgeMove::High, EdgeMove::None},
    {AreaGrip::BottomRight, EdgeMove::High, EdgeMove::High}, {AreaGrip::Bottom, EdgeMove::None, EdgeMove::High},
    {AreaGrip::BottomLeft, EdgeMove::Low, EdgeMove::High},   {AreaGrip::Left, EdgeMove::Low, EdgeMove::None},
    {AreaGrip::Inside, EdgeMove::Both, EdgeMove::Both},
};

const GripRow& RowOf(AreaGrip grip) {
  return *std::find_if(std::begin(kGripRows), std::end(kGripRows), [&](const GripRow& row) { return row.grip == grip; });
}

Span XSpan(const AreaEdges& edges) { return {edges.left, edges.right}; }
Span YSpan(const AreaEdges& edges) { return {edges.top, edges.bottom}; }
AreaEdges FromSpans(Span x, Span y) { return {x.low, y.low, x.high, y.high}; }

// A handle's place along one axis: on the first or last pixel, or in the middle.
int HandleAlong(Span span, EdgeMove move) {
  if (move == EdgeMove::Low) return span.low;
  if (move == EdgeMove::High) return span.high - 1;
  return (span.low + span.high - 1) / 2;
}

Span ShiftedInto(Span span, Span bounds) {
  const int shift = span.high > bounds.high ? bounds.high - span.high : 0;
  span = {span.low + shift, span.high + shift};
  const int back = span.low < bounds.low ? bounds.low - span.low : 0;
  return {span.low + back, span.high + back};
}

Span Moved(Span span, EdgeMove move, int distance) {
  if (move == EdgeMove::Low || move == EdgeMove::Both) span.low += distance;
  if (move == EdgeMove::High || move == EdgeMove::Both) span.high += distance;
  return span;
}

// How far `edge` goes to meet the nearer of the target's edges; kNoSnap when neither is within
// the snap distance. (A plain sentinel, not an optional: GCC's i686 build warns of an optional's
// payload that may be uninitialized here.)
constexpr int kNoSnap = INT_MAX;
int SnapOffset(int edge, Span target) {
  int best = kNoSnap;
  for (int to : {target.low, target.high}) {
    const int offset = to - edge;
    if (std::abs(offset) <= kSnapDistance && std::abs(offset) < std::abs(best)) best = offset;
  }
  return best;
}

int Applied(int offset) { return offset == kNoSnap ? 0 : offset; }

// A moved rectangle snaps by whichever of its two edges is the nearer to a target edge.
Span Snapped(Span span, EdgeMove move, Span target) {
  const bool low = move == EdgeMove::Low || move == EdgeMove::Both;
  const bool high = move == EdgeMove::High || move == EdgeMove::Both;
  const int lowOffset = low ? SnapOffset(span.low, target) : kNoSnap;
  const int highOffset = high ? SnapOffset(span.high, target) : kNoSnap;
  if (move == EdgeMove::Both) {
    const int offset = Applied(std::abs(highOffset) < std::abs(lowOffset) ? highOffset : lowOffset);
    return {span.low + offset, span.high + offset};
  }
  return {span.low + Applied(lowOffset), span.high + Applied(highOffset)};
}

// The moving edge stays on the screen and kSmallestAreaSide from the other one; a rectangle too
// small where it was drawn near an edge of the screen is moved onto it.
Span Kept(Span span, EdgeMove move, Span screen) {
  if (move == EdgeMove::Low) span.low = std::min(std::max(span.low, screen.low), span.high - kSmallestAreaSide);
  if (move == EdgeMove::High) span.high = std::max(std::min(span.high, screen.high), span.low + kSmallestAreaSide);
  return ShiftedInto(span, screen);
}

Span Dragged(Span start, EdgeMove move, int distance, Span screen, const std::optional<Span>& target) {
  Span span = Moved(start, move, distance);
  if (target) span = Snapped(span, move, *target);
  return Kept(span, move, screen);
}

}  // namespace

AreaEdges EdgesOf(const ScreenArea& area) {
  return {area.left, area.top, area.left + area.width, area.top + area.height};
}

ScreenArea AreaOf(const AreaEdges& edges) { return {edges.left, edges.top, edges.width(), edges.height()}; }

AreaEdges Clipped(const AreaEdges& edges, const AreaEdges& bounds) {
  const AreaEdges clipped{std::max(edges.left, bounds.left), std::max(edges.top, bounds.top),
                          std::min(edges.right, bounds.right), std::min(edges.bottom, bounds.bottom)};
  return clipped.IsEmpty() ? AreaEdges{} : clipped;
}

AreaEdges ShiftedInto(const AreaEdges& edges, const AreaEdges& bounds) {
  return FromSpans(ShiftedInto(XSpan(edges), XSpan(bounds)), ShiftedInto(YSpan(edges), YSpan(bounds)));
}

AreaPoint HandlePoint(const AreaEdges& area, AreaGrip handle) {
  const GripRow& row = RowOf(handle);
  return {HandleAlong(XSpan(area), row.x), HandleAlong(YSpan(area), row.y)};
}

// Where the reaches of two handles overlap (a small rectangle), the nearer handle wins.
AreaGrip GripAt(const AreaEdges& area, int x, int y) {
  AreaGrip grip = AreaGrip::None;
  int nearest = kGripReach + 1;
  for (AreaGrip handle : kHandles) {
    const AreaPoint point = HandlePoint(area, handle);
    const int distance = std::max(std::abs(x - point.x), std::abs(y - point.y));
    if (distance < nearest) {
      nearest = distance;
      grip = handle;
    }
  }
  if (grip == AreaGrip::None && area.Contains(x, y)) return AreaGrip::Inside;
  return grip;
}

bool MovedBeyondClick(AreaPoint pressed, AreaPoint now) {
  return std::abs(now.x - pressed.x) > kClickSlop || std::abs(now.y - pressed.y) > kClickSlop;
}

// A rectangle drawn anew starts as the pressed pixel; its edges on the pointer's side move.
AreaEdges DraggedArea(const AreaDrag& drag, AreaPoint now, const AreaEdges& screen,
                      const std::optional<AreaEdges>& snapTo) {
  const bool drawing = drag.grip == AreaGrip::None;
  const AreaEdges start =
      drawing ? AreaEdges{drag.pressed.x, drag.pressed.y, drag.pressed.x + 1, drag.pressed.y + 1} : drag.start;
  const EdgeMove x = !drawing ? RowOf(drag.grip).x : now.x >= drag.pressed.x ? EdgeMove::High : EdgeMove::Low;
  const EdgeMove y = !drawing ? RowOf(drag.grip).y : now.y >= drag.pressed.y ? EdgeMove::High : EdgeMove::Low;
  const std::optional<Span> snapX = snapTo ? std::optional<Span>(XSpan(*snapTo)) : std::nullopt;
  const std::optional<Span> snapY = snapTo ? std::optional<Span>(YSpan(*snapTo)) : std::nullopt;
  return FromSpans(Dragged(XSpan(start), x, now.x - drag.pressed.x, XSpan(screen), snapX),
                   Dragged(YSpan(start), y, now.y - drag.pressed.y, YSpan(screen), snapY));
}

std::optional<AreaEdges> WindowAt(std::span<const AreaEdges> windows, AreaPoint at, int reach) {
  for (const AreaEdges& window : windows) {
    const AreaEdges reached{window.left - reach, window.top - reach, window.right + reach, window.bottom + reach};
    if (reached.Contains(at.x, at.y)) return window;
  }
  return std::nullopt;
}

std::optional<AreaEdges> RecordableArea(const AreaEdges& area, const AreaEdges& screen) {
  const AreaEdges clipped = Clipped(area, screen);
  if (clipped.IsEmpty()) return std::nullopt;
  return FromSpans(Kept(XSpan(clipped), EdgeMove::High, XSpan(screen)),
                   Kept(YSpan(clipped), EdgeMove::High, YSpan(screen)));
}
