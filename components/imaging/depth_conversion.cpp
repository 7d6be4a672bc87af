#include "components/imaging/depth_conversion.h"

#include <algorithm>

namespace {

// 32-bit colours are already multiplied by alpha, so white shows through by what alpha leaves.
Rgb OverWhite(const uint8_t* pixel) {
  int white = 255 - pixel[3];
  auto lay = [white](uint8_t colour) { return static_cast<uint8_t>(std::min(255, colour + white)); };
  return {lay(pixel[0]), lay(pixel[1]), lay(pixel[2])};
}

Rgb ColourAt(const PixelBuffer& pixels, const uint8_t* row, int x) {
  switch (pixels.bitsPerPixel()) {
    case 8:
      return pixels.palette()[row[x]];
    case 32:
      return OverWhite(row + 4 * x);
    default:
      return {row[3 * x], row[3 * x + 1], row[3 * x + 2]};
  }
}

// 0.299, 0.587 and 0.114 in steps of 1/256.
uint8_t Luma(Rgb colour) { return static_cast<uint8_t>((77 * colour.red + 150 * colour.green + 29 * colour.blue + 128) >> 8); }

bool HasGreyRamp(const PixelBuffer& pixels) {
  for (int level = 0; level < 256; ++level) {
    const Rgb& colour = pixels.palette()[level];
    if (colour.red != level || colour.green != level || colour.blue != level) return false;
  }
  return true;
}

bool IsEncoderReady(const PixelBuffer& pixels, bool grayscale) {
  return grayscale ? pixels.bitsPerPixel() == 8 && HasGreyRamp(pixels) : pixels.bitsPerPixel() == 24;
}

void ConvertRow(const PixelBuffer& from, const uint8_t* source, bool grayscale, uint8_t* target) {
  for (int x = 0; x < from.width(); ++x) {
    Rgb colour = ColourAt(from, source, x);
    if (grayscale) {
      *target++ = Luma(colour);
    } else {
      *target++ = colour.red;
      *target++ = colour.green;
      *target++ = colour.blue;
    }
  }
}

}  // namespace

const PixelBuffer* PixelsForEncoder(const PixelBuffer& pixels, bool grayscale, PixelBuffer& converted) {
  if (IsEncoderReady(pixels, grayscale)) return &pixels;
  if (!converted.Allocate(pixels.width(), pixels.height(), grayscale ? 8 : 24)) return nullptr;
  for (int y = 0; y < pixels.height(); ++y) ConvertRow(pixels, pixels.row(y), grayscale, converted.row(y));
  return &converted;
}
