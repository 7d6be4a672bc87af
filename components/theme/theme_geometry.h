// Where the themed pieces go, as plain numbers: rectangles, the pixels that round the corners,
// the caption gap of a group box, the drop button of a combo box and the arrow strokes.
#pragma once
#include <array>
#include <vector>

// A rectangle whose right and bottom edges are outside it, as Win32 counts them.
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Box&) const = default;
};

struct Pixel {
  int x = 0, y = 0;
  bool operator==(const Pixel&) const = default;
};

Box Inset(Box box, int by);
Box Shifted(Box box, int dx, int dy);

// The four corner pixels of `box`: top-left, top-right, bottom-left, bottom-right.
std::array<Pixel, 4> CornerPixels(Box box);

// Push button on its client rectangle R: the corners of the frame inset by 1, the corners of
// the shaded rectangle inset by 2, and the eight pixels that flank the frame's corners.
struct ButtonCornerPixels {
  std::array<Pixel, 4> frameCorners;
  std::array<Pixel, 4> innerCorners;
  std::array<Pixel, 8> frameFlanks;
};
ButtonCornerPixels PushButtonCorners(Box client);

// Group box frame: at each corner the three outermost pixels along both edges go back to the
// background, and the two pixels of the inner diagonal keep the frame colour.
struct GroupCornerPixels {
  std::vector<Pixel> background;  // 20 pixels
  std::vector<Pixel> frame;       // 8 pixels
};
GroupCornerPixels GroupBoxCorners(Box frame);

// Along one axis: left or top, centred, right or bottom.
enum class Alignment { kStart, kCentre, kEnd };

// Where something `length` long starts when aligned between `start` and `end`.
int AlignedStart(int start, int end, int length, Alignment alignment);
// The caption's left edge in a group box `width` wide: 10 pixels in from the left or right
// edge, or centred.
int GroupCaptionLeft(int width, int captionWidth, Alignment alignment);
// The group frame: its top line at half the caption's text height.
Box GroupFrame(Box client, int captionHeight);

// The combo box's drop button inside its window rectangle: the rightmost part of the
// rectangle inset by 2, `buttonWidth` wide (the system's vertical scroll-thumb height).
Box ComboDropButton(Box window, int buttonWidth);
// The arrow button drawn over a drop button: its left edge one pixel further right.
Box ArrowButtonBox(Box dropButton);

enum class ArrowDirection { kDown, kUp, kLeft, kRight };

// The three strokes of an arrow around the centre of `box` inset by 1, each drawn without its
// last point. The downward arrow is the drop button's; the others are it turned.
using ArrowStroke = std::array<Pixel, 3>;
std::array<ArrowStroke, 3> ArrowStrokes(Box box, ArrowDirection direction);
