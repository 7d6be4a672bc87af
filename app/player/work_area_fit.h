// Keeping PlayerWindow on the screen: a recording taken on a larger screen than the one it is
// played on would give a window larger than the screen, with its buttons out of reach. The
// window then gets a smaller picture panel, of the same proportions, whose picture mode draws
// the frames shrunk to fit; a window that fits is left exactly as the layout made it.
#pragma once

struct PanelSize {
  int width;
  int height;
};

// The panel size for a window that is the panel plus `widthAround` and `heightAround` (the
// window's border, progress bar and buttons): `panel` itself when that window fits in a work
// area of `workWidth` × `workHeight`, else the panel shrunk by the one factor that makes both
// sides fit, each side truncated toward zero and never below 1.
PanelSize PanelFittingWorkArea(PanelSize panel, int widthAround, int heightAround, int workWidth, int workHeight);

// `start` moved as little as needed for [start, start + length) to lie within [low, high):
// unchanged when it already does; `low` when the length is larger than the range.
int KeptWithin(int start, int length, int low, int high);
