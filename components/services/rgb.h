// A colour as its red, green and blue bytes: the one type the theme's colour tables and the
// decoders' pixels share.
#pragma once
#include <cstdint>

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};
