// Where a picture goes in a client area, by picture mode: 0 top-left at natural size, 1 tiled
// from the top-left corner, 2 centred and shrunk proportionally to fit, never enlarged.
#pragma once

struct PictureRect {
  int left;
  int top;
  int width;
  int height;
  bool operator==(const PictureRect&) const = default;
};

// Mode 2 for a picture of pictureWidth × pictureHeight (both at least 1) in a client area of
// clientWidth × clientHeight (both at least 0). A side that fits is centred with integer
// halving; when the picture is still too large it is scaled by the smaller of the two ratios
// (double precision, sizes truncated toward zero) and the rest is split evenly again.
PictureRect PlaceCentredShrunk(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);
