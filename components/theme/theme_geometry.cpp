#include "components/theme/theme_geometry.h"

namespace {

// Reflects an offset (dx, dy) from a corner of `box` into the box, counting inward from that
// corner: corner 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
Pixel FromCorner(Box box, int corner, int dx, int dy) {
  const bool right = corner == 1 || corner == 3;
  const bool bottom = corner >= 2;
  return {right ? box.right - 1 - dx : box.left + dx, bottom ? box.bottom - 1 - dy : box.top + dy};
}

// Offsets from a group frame's corner that go back to the background.
constexpr Pixel kRoundedAway[] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}};

}  // namespace

Box Inset(Box box, int by) { return {box.left + by, box.top + by, box.right - by, box.bottom - by}; }

Box Shifted(Box box, int dx, int dy) { return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy}; }

std::array<Pixel, 4> CornerPixels(Box box) {
  return {FromCorner(box, 0, 0, 0), FromCorner(box, 1, 0, 0), FromCorner(box, 2, 0, 0), FromCorner(box, 3, 0, 0)};
}

ButtonCornerPixels PushButtonCorners(Box client) {
  const Box frame = Inset(client, 1);
  ButtonCornerPixels corners{CornerPixels(frame), CornerPixels(Inset(client, 2)), {}};
  for (int corner = 0; corner < 4; ++corner) {
    corners.frameFlanks[2 * corner] = FromCorner(frame, corner, 1, 0);
    corners.frameFlanks[2 * corner + 1] = FromCorner(frame, corner, 0, 1);
  }
  return corners;
}

GroupCornerPixels GroupBoxCorners(Box frame) {
  GroupCornerPixels pixels;
  for (int corner = 0; corner < 4; ++corner) {
    for (const Pixel offset : kRoundedAway) pixels.background.push_back(FromCorner(frame, corner, offset.x, offset.y));
    pixels.frame.push_back(FromCorner(frame, corner, 2, 1));
    pixels.frame.push_back(FromCorner(frame, corner, 1, 2));
  }
  return pixels;
}

int AlignedStart(int start, int end, int length, Alignment alignment) {
  switch (alignment) {
    case Alignment::kEnd:
      return end - length;
    case Alignment::kCentre:
      return start + (end - start - length) / 2;
    case Alignment::kStart:
      break;
  }
  return start;
}

int GroupCaptionLeft(int width, int captionWidth, Alignment alignment) {
  if (alignment == Alignment::kCentre) return (width - captionWidth) / 2;
  constexpr int kCaptionIndent = 10;
  return AlignedStart(kCaptionIndent, width - kCaptionIndent, captionWidth, alignment);
}

Box GroupFrame(Box client, int captionHeight) {
  return {client.left, client.top + captionHeight / 2, client.right, client.bottom};
}

Box ComboDropButton(Box window, int buttonWidth) {
  const Box inner = Inset(window, 2);
  return {inner.right - buttonWidth, inner.top, inner.right, inner.bottom};
}

Box ArrowButtonBox(Box dropButton) { return {dropButton.left + 1, dropButton.top, dropButton.right, dropButton.bottom}; }

std::array<ArrowStroke, 3> ArrowStrokes(Box box, ArrowDirection direction) {
  const Box inner = Inset(box, 1);
  const int cx = (inner.left + inner.right) / 2;
  const int cy = (inner.top + inner.bottom) / 2;
  // (across, along) from the downward arrow: `along` runs in the arrow's direction.
  const auto at = [&](int across, int along) {
    switch (direction) {
      case ArrowDirection::kUp:
        return Pixel{cx + across, cy - along};
      case ArrowDirection::kLeft:
        return Pixel{cx - along, cy + across};
      case ArrowDirection::kRight:
        return Pixel{cx + along, cy + across};
      case ArrowDirection::kDown:
        break;
    }
    return Pixel{cx + across, cy + along};
  };
  return {{{at(-4, -2), at(0, 2), at(5, -3)}, {at(-3, -2), at(0, 1), at(4, -3)}, {at(-3, -3), at(0, 0), at(4, -4)}}};
}
