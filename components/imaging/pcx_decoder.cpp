#include <vector>

#include "components/imaging/decoders.h"
#include "components/services/little_endian.h"

namespace {

constexpr size_t kHeaderSize = 128;
// The 256-colour palette closes the file: a marker byte, then 256 × red, green, blue.
constexpr size_t kPaletteSize = 1 + 256 * 3;
constexpr uint8_t kPaletteMarker = 0x0C;

struct PcxHeader {
  int64_t width;
  int64_t height;
  int planes;
  int bitsPerPlane;
  size_t bytesPerPlaneLine;
};

PcxHeader ReadPcxHeader(ByteSpan bytes) {
  int64_t width = int64_t{GetLe16(bytes.data(), 8)} - GetLe16(bytes.data(), 4) + 1;
  int64_t height = int64_t{GetLe16(bytes.data(), 10)} - GetLe16(bytes.data(), 6) + 1;
  return {width, height, bytes[65], bytes[3], GetLe16(bytes.data(), 66)};
}

// Run-length coding: a byte with both top bits set repeats the next byte (its low 6 bits) times;
// any other byte stands for itself. Runs may continue from one line into the next.
class RunDecoder {
 public:
  explicit RunDecoder(ByteSpan coded) : coded_(coded) {}

  // Fills `to` with the next `count` bytes; false when the coded data ends first.
  bool Unpack(uint8_t* to, size_t count) {
    while (count > 0) {
      if (repeat_ == 0 && !StartRun()) return false;
      for (; repeat_ > 0 && count > 0; --repeat_, --count) *to++ = value_;
    }
    return true;
  }

 private:
  bool StartRun() {
    if (position_ >= coded_.size()) return false;
    uint8_t byte = coded_[position_++];
    if ((byte & 0xC0) != 0xC0) {
      value_ = byte;
      repeat_ = 1;
      return true;
    }
    if (position_ >= coded_.size()) return false;
    value_ = coded_[position_++];
    repeat_ = byte & 0x3F;
    return true;
  }

  ByteSpan coded_;
  size_t position_ = kHeaderSize;
  uint8_t value_ = 0;
  unsigned repeat_ = 0;
};

bool ReadPalette(ByteSpan bytes, PixelBuffer& pixels) {
  if (!Covers(bytes, kHeaderSize, kPaletteSize)) return false;
  size_t at = bytes.size() - kPaletteSize;
  if (bytes[at++] != kPaletteMarker) return false;
  for (Rgb& colour : pixels.palette()) {
    colour = {bytes[at], bytes[at + 1], bytes[at + 2]};
    at += 3;
  }
  return true;
}

// One line holds each plane in turn (red, green, blue for 3 planes), bytesPerPlaneLine each.
void InterleavePlanes(const uint8_t* line, const PcxHeader& header, uint8_t* row, int width) {
  for (int x = 0; x < width; ++x) {
    for (int plane = 0; plane < header.planes; ++plane) {
      *row++ = line[static_cast<size_t>(plane) * header.bytesPerPlaneLine + static_cast<size_t>(x)];
    }
  }
}

}  // namespace

bool AcceptsPcx(ByteSpan bytes) {
  if (!Covers(bytes, 0, kHeaderSize) || bytes[0] != 0x0A) return false;
  const uint8_t* at = bytes.data();
  bool widthAndHeightDiffer = GetLe16(at, 8) != GetLe16(at, 4) && GetLe16(at, 10) != GetLe16(at, 6);
  int bitsPerPixel = bytes[65] * bytes[3];
  return widthAndHeightDiffer && (bitsPerPixel == 8 || bitsPerPixel == 24);
}

bool DecodePcx(ByteSpan bytes, PixelBuffer& pixels) {
  if (!AcceptsPcx(bytes)) return false;
  PcxHeader header = ReadPcxHeader(bytes);
  // Only whole-byte planes: one for palette pictures, three for true colour.
  if (header.bitsPerPlane != 8 || (header.planes != 1 && header.planes != 3)) return false;
  if (header.width < 1 || static_cast<uint64_t>(header.width) > header.bytesPerPlaneLine) return false;
  if (!pixels.Allocate(header.width, header.height, header.planes * 8)) return false;
  if (header.planes == 1 && !ReadPalette(bytes, pixels)) return false;

  std::vector<uint8_t> line(header.bytesPerPlaneLine * static_cast<size_t>(header.planes));
  RunDecoder runs(header.planes == 1 ? bytes.first(bytes.size() - kPaletteSize) : bytes);
  for (int y = 0; y < pixels.height(); ++y) {
    if (!runs.Unpack(line.data(), line.size())) return false;
    InterleavePlanes(line.data(), header, pixels.row(y), pixels.width());
  }
  return true;
}
