// Rows of a picture where they already lie in memory, top row first: a decoded buffer's, or a
// BMP file's own rows read in place. What the JPEG encoder takes.
#pragma once
#include <cstddef>
#include <cstdint>

enum class RowLayout {
  Rgb,   // 3 bytes a pixel: red, green, blue
  Bgr,   // 3 bytes a pixel: blue, green, red, as BMP files and device-independent bitmaps hold them
  Grey,  // 1 byte a pixel
};

struct PixelRows {
  int width = 0;
  int height = 0;
  RowLayout layout = RowLayout::Rgb;
  const uint8_t* top = nullptr;  // the top row
  ptrdiff_t step = 0;            // from one row to the next one down; negative for rows stored bottom-up

  // Row `y` (0 = top), for y within 0 .. height - 1.
  const uint8_t* row(int y) const { return top + step * y; }
};
