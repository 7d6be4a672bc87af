// Where a label puts its text and its painted frame: pure rules over numbers.
#pragma once
#include <windows.h>

// DrawText flags for a label's text: left, centre or right (0, 1, 2), breaking lines between
// words when `wordWrap` is set and otherwise only at line breaks in the caption; ampersands
// are shown as they are.
UINT LabelTextFormat(int horizontalAlignment, bool wordWrap);

// The top of a text block `textHeight` high in an area from `areaTop` that is `areaHeight`
// high: top, centre or bottom (0, 1, 2). A block taller than the area overflows evenly (centre)
// or at the far side.
int LabelTextTop(int areaTop, int areaHeight, int textHeight, int verticalAlignment);

// The painted frame of border 6, from the outside in: three bands in the frame colours, the
// outer and inner a third of the frame width each, the middle one the rest.
struct FrameBands {
  int outer;
  int middle;
  int inner;
  bool operator==(const FrameBands&) const = default;
};
FrameBands FrameBandsOf(int frameWidth);
