#include <cstring>
#include <optional>

#include "components/imaging/bmp_file.h"
#include "components/imaging/decoders.h"
#include "components/services/little_endian.h"

namespace {

constexpr uint32_t kOs2InfoSize = 12;

// What the two headers say. Width and height as stored: signed in the Windows form, unsigned in
// the OS/2 form.
struct BmpHeader {
  bool os2;
  int64_t width;
  int64_t height;
  int bitsPerPixel;
  uint32_t compression;
  uint32_t pixelOffset;
};

// BITMAPINFOHEADER and its later extensions (52, 56 with colour masks, V4, V5).
bool IsWindowsInfoSize(uint32_t size) { return size == 40 || size == 52 || size == 56 || size == 108 || size == 124; }

std::optional<BmpHeader> ReadBmpHeader(ByteSpan bytes) {
  if (!Covers(bytes, 0, kBmpFileHeaderSize + 4)) return std::nullopt;
  if (bytes[0] != 'B' || (bytes[1] != 'M' && bytes[1] != 'A')) return std::nullopt;
  uint32_t infoSize = GetLe32(bytes.data(), kBmpFileHeaderSize);
  if (!Covers(bytes, kBmpFileHeaderSize, infoSize)) return std::nullopt;
  uint32_t pixelOffset = GetLe32(bytes.data(), 10);
  if (infoSize == kOs2InfoSize) {
    return BmpHeader{
        true, GetLe16(bytes.data(), 18), GetLe16(bytes.data(), 20), GetLe16(bytes.data(), 24), 0, pixelOffset};
  }
  if (!IsWindowsInfoSize(infoSize)) return std::nullopt;
  return BmpHeader{false,
                   static_cast<int32_t>(GetLe32(bytes.data(), 18)),
                   static_cast<int32_t>(GetLe32(bytes.data(), 22)),
                   GetLe16(bytes.data(), 28),
                   GetLe32(bytes.data(), 30),
                   pixelOffset};
}

bool IsAcceptable(const BmpHeader& header) {
  bool sizeAndCompressionFit = header.os2 || (header.width >= 1 && header.height != 0 && header.compression <= 3);
  return sizeAndCompressionFit && header.bitsPerPixel == 24;
}

// The file stores blue, green, red; the buffer takes red, green, blue.
void CopyRowSwappingRedAndBlue(const uint8_t* from, uint8_t* to, int width) {
  for (int x = 0; x < width; ++x, from += 3, to += 3) {
    to[0] = from[2];
    to[1] = from[1];
    to[2] = from[0];
  }
}

}  // namespace

bool AcceptsBmp(ByteSpan bytes) {
  std::optional<BmpHeader> header = ReadBmpHeader(bytes);
  return header && IsAcceptable(*header);
}

// The file must hold every row before any pixel memory is taken (a short read fails). Sizes
// as stored keep the product below 1.4e19, inside 64 bits.
std::optional<PixelRows> FindBmpRows(ByteSpan bytes) {
  std::optional<BmpHeader> header = ReadBmpHeader(bytes);
  if (!header || !IsAcceptable(*header)) return std::nullopt;
  bool bottomUp = header->height > 0;
  int64_t height = bottomUp ? header->height : -header->height;
  uint64_t rowBytes = BmpRowSize(header->width);
  if (!FitsPictureLimits(header->width, height) ||
      !Covers(bytes, header->pixelOffset, rowBytes * static_cast<uint64_t>(height)))
    return std::nullopt;
  const uint8_t* first = bytes.data() + header->pixelOffset;
  const ptrdiff_t step = static_cast<ptrdiff_t>(rowBytes);
  PixelRows rows;
  rows.width = static_cast<int>(header->width);
  rows.height = static_cast<int>(height);
  rows.layout = RowLayout::Bgr;
  rows.top = bottomUp ? first + step * (rows.height - 1) : first;
  rows.step = bottomUp ? -step : step;
  return rows;
}

bool DecodeBmp(ByteSpan bytes, PixelBuffer& pixels) {
  std::optional<PixelRows> stored = FindBmpRows(bytes);
  if (!stored || !pixels.Allocate(stored->width, stored->height, 24)) return false;
  for (int y = 0; y < stored->height; ++y) CopyRowSwappingRedAndBlue(stored->row(y), pixels.row(y), stored->width);
  return true;
}

bool DecodeBmpToBgr(ByteSpan bytes, BgrRows& rows) {
  std::optional<PixelRows> stored = FindBmpRows(bytes);
  if (!stored) return false;
  size_t stride = 0;
  uint8_t* top = rows.Rows(stored->width, stored->height, stride);
  if (!top) return false;
  const size_t rowBytes = static_cast<size_t>(stored->width) * 3;
  for (int y = 0; y < stored->height; ++y) std::memcpy(top + stride * static_cast<size_t>(y), stored->row(y), rowBytes);
  return true;
}
