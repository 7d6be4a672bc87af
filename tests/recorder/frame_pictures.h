// Pictures for whole-program tests: frame files as the recorder writes them, and the colours
// found in a JPEG frame or a panel picture.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/files.h"

struct Pixel {
  uint8_t red;
  uint8_t green;
  uint8_t blue;
};

// A 24-bit bottom-up BMP frame file: the left half `left`, the right half `right`.
Bytes TwoColourFrame(int width, int height, Pixel left, Pixel right);

// A 24-bit bottom-up BMP frame file of a moving picture: a grey-blue gradient, a band of thin
// dark strokes like text near the top, and a square that changes colour and moves 24 pixels to
// the right with every frame number n.
Bytes MovingSquareFrame(int width, int height, int n);

// A decoded JPEG or 24-bit BMP file; empty (0 × 0) when it cannot be decoded.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // rows from the top
  Pixel At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Picture DecodedPicture(const Bytes& file);

// Every channel of `found` is within `tolerance` of `expected`.
testing::AssertionResult PixelNear(Pixel found, Pixel expected, int tolerance = 24);

// The first value of the first quantisation table of a JPEG file (-1 without one): 6 at quality
// 80 and 40 at quality 20 with the standard tables.
int FirstQuantisationValue(const Bytes& jpeg);
