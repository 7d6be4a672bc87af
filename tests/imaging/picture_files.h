// Pictures for the conversion tests: files of each source format built from a colour rule, and
// the colours found in a written JPEG.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "components/imaging/pixel_buffer.h"
#include "tests/support/files.h"

// The colour of pixel (x, y), y counted from the top row.
using ColourRule = std::function<Rgb(int x, int y)>;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kOrange{240, 140, 20};

// Colour `top` above row `split`, `bottom` from it on.
ColourRule TopAndBottom(Rgb top, Rgb bottom, int split);
// A busy picture that compresses poorly, the same on every call.
Rgb Noise(int x, int y);

// A 24-bit BMP file: bottom row stored first (positive height) or top-down (negative height).
Bytes Bmp24(int width, int height, const ColourRule& colour, bool topDown = false);
// An 8-bit BMP file with a grey palette, all pixels index 0.
Bytes Bmp8(int width, int height);
// PNG bytes written by libpng, 8 bits per sample, red, green, blue and alpha (alpha(x, y)).
Bytes Png(int width, int height, const ColourRule& colour, const std::function<uint8_t(int x, int y)>& alpha);
// A TIFF file written by libtiff at `path`, 8 bits per sample, with unassociated alpha when
// `alpha` is given. True when written.
bool WriteTiff(const std::string& path, int width, int height, const ColourRule& colour,
               const std::function<uint8_t(int x, int y)>& alpha = nullptr);
// Run-length coded PCX files: one 8-bit plane whose four quadrants (top left, top right, bottom
// left, bottom right) use palette entries 0 to 3, or three 8-bit planes.
Bytes Pcx8(int width, int height, const Rgb (&palette)[4]);
Bytes Pcx24(int width, int height, const ColourRule& colour);
// A PhotoCD image pack whose base image is one flat PhotoYCC colour.
Bytes PhotoCd(uint8_t luma, uint8_t chroma1, uint8_t chroma2);

void Put16(Bytes& bytes, size_t offset, uint16_t value);
void Put32(Bytes& bytes, size_t offset, uint32_t value);

// Decodes the JPEG file at `path` with libjpeg into `pixels`; false when it cannot be read.
bool DecodeJpegFile(const std::string& path, PixelBuffer& pixels);

// Pixel (x, y) of a 24- or 8-bit picture is within `tolerance` of `expected` in every channel.
testing::AssertionResult ColourNear(const PixelBuffer& pixels, int x, int y, Rgb expected, int tolerance = 24);
