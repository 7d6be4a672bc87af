// Rows of 24-bit pixels in blue, green, red order, the layout of a device-independent bitmap:
// where a decoder can write a picture that is to be shown, with no copy in between.
#pragma once
#include <cstddef>
#include <cstdint>

class BgrRows {
 public:
  virtual ~BgrRows() = default;
  // Asked once, when the size is known (within FitsPictureLimits of pixel_buffer.h): the top
  // row of width × 3 bytes and, in `stride`, the bytes from the start of one row to the start
  // of the next row down. Null refuses the picture and the decoding fails.
  virtual uint8_t* Rows(int width, int height, size_t& stride) = 0;
};
