#include "forms/recorder_icon.h"

#include <algorithm>
#include <cmath>

#include "components/services/little_endian.h"

namespace {

constexpr int kSide = 32;
constexpr int kColourCount = 256;
constexpr size_t kDirectorySize = 6 + 16;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kPixelBytes = kSide * kSide;
constexpr size_t kMaskRowBytes = 4;  // 32 bits, already a multiple of four bytes
constexpr size_t kImageSize = kInfoHeaderSize + kColourCount * 4 + kPixelBytes + kMaskRowBytes * kSide;

struct Rgb {
  int r, g, b;
};

// Palette: 0 transparent, 1 the monitor's bezel, then the record dot blended over the screen
// in 17 steps of coverage, so its edge is smooth although the mask is one bit deep.
constexpr uint8_t kTransparent = 0;
constexpr uint8_t kBezel = 1;
constexpr uint8_t kScreenToRed = 2;  // + coverage 0..16; coverage 0 is the bare screen
constexpr int kCoverageSteps = 16;
constexpr Rgb kBezelColour{58, 63, 75};
constexpr Rgb kScreenColour{28, 32, 40};
constexpr Rgb kRedColour{229, 57, 53};

Rgb Blend(Rgb from, Rgb to, int step) {
  auto mix = [step](int a, int b) { return a + (b - a) * step / kCoverageSteps; };
  return {mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)};
}

Rgb PaletteColour(int index) {
  if (index == kBezel) return kBezelColour;
  if (index >= kScreenToRed && index <= kScreenToRed + kCoverageSteps)
    return Blend(kScreenColour, kRedColour, index - kScreenToRed);
  return {0, 0, 0};
}

// Rounded rectangle test in pixel-centre coordinates, x and y counted from the top-left.
bool InRoundedRect(int x, int y, int left, int top, int right, int bottom, int radius) {
  if (x < left || x > right || y < top || y > bottom) return false;
  const int cx = std::clamp(x, left + radius, right - radius);
  const int cy = std::clamp(y, top + radius, bottom - radius);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// How much of the pixel the record dot covers, in 0..16, sampled 4 × 4 inside the pixel.
int DotCoverage(int x, int y) {
  constexpr double kCentreX = 16.0, kCentreY = 14.5, kRadius = 6.0;
  int covered = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx) {
      const double dx = x + (sx + 0.5) / 4 - kCentreX;
      const double dy = y + (sy + 0.5) / 4 - kCentreY;
      if (std::hypot(dx, dy) <= kRadius) ++covered;
    }
  return covered;
}

// The palette index of the pixel at x, y (top-down); kTransparent outside the monitor.
uint8_t PixelAt(int x, int y) {
  if (InRoundedRect(x, y, 5, 6, 26, 22, 2)) return static_cast<uint8_t>(kScreenToRed + DotCoverage(x, y));
  if (InRoundedRect(x, y, 2, 3, 29, 25, 3)) return kBezel;
  const bool neck = x >= 14 && x <= 17 && y >= 26 && y <= 27;
  const bool foot = x >= 9 && x <= 22 && y >= 28 && y <= 29;
  return neck || foot ? kBezel : kTransparent;
}

void PutDirectory(ByteString& bytes) {
  PutLe16(bytes, 0);  // reserved
  PutLe16(bytes, 1);  // icon
  PutLe16(bytes, 1);  // one image
  bytes.push_back(kSide);
  bytes.push_back(kSide);
  bytes.push_back(0);  // 256 colours
  bytes.push_back(0);
  PutLe16(bytes, 1);  // planes
  PutLe16(bytes, 8);  // bits per pixel
  PutLe32(bytes, kImageSize);
  PutLe32(bytes, kDirectorySize);
}

void PutInfoHeader(ByteString& bytes) {
  PutLe32(bytes, kInfoHeaderSize);
  PutLe32(bytes, kSide);
  PutLe32(bytes, 2 * kSide);  // colour rows and mask rows together
  PutLe16(bytes, 1);
  PutLe16(bytes, 8);
  PutLe32(bytes, 0);  // uncompressed
  PutLe32(bytes, kPixelBytes + kMaskRowBytes * kSide);
  PutLe32(bytes, 0);
  PutLe32(bytes, 0);
  PutLe32(bytes, kColourCount);
  PutLe32(bytes, 0);
}

void PutPalette(ByteString& bytes) {
  for (int i = 0; i < kColourCount; ++i) {
    const Rgb colour = PaletteColour(i);
    bytes.push_back(static_cast<uint8_t>(colour.b));
    bytes.push_back(static_cast<uint8_t>(colour.g));
    bytes.push_back(static_cast<uint8_t>(colour.r));
    bytes.push_back(0);
  }
}

// Both bitmaps are stored bottom row first.
void PutPixelsAndMask(ByteString& bytes) {
  for (int y = kSide - 1; y >= 0; --y)
    for (int x = 0; x < kSide; ++x) bytes.push_back(PixelAt(x, y));
  for (int y = kSide - 1; y >= 0; --y) {
    uint32_t row = 0;
    for (int x = 0; x < kSide; ++x)
      if (PixelAt(x, y) == kTransparent) row |= 0x80000000u >> x;
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(row >> shift));
  }
}

}  // namespace

ByteString RecorderIconFile() {
  ByteString bytes;
  bytes.reserve(kRecorderIconFileSize);
  PutDirectory(bytes);
  PutInfoHeader(bytes);
  PutPalette(bytes);
  PutPixelsAndMask(bytes);
  return bytes;
}
