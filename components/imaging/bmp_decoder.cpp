#include <cstring>
#include <optional>

#include "components/imaging/decoders.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
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
  if (!Covers(bytes, 0, kFileHeaderSize + 4)) return std::nullopt;
  if (bytes[0] != 'B' || (bytes[1] != 'M' && bytes[1] != 'A')) return std::nullopt;
  uint32_t infoSize = Le32At(bytes, kFileHeaderSize);
  if (!Covers(bytes, kFileHeaderSize, infoSize)) return std::nullopt;
  uint32_t pixelOffset = Le32At(bytes, 10);
  if (infoSize == kOs2InfoSize) {
    return BmpHeader{true, Le16At(bytes, 18), Le16At(bytes, 20), Le16At(bytes, 24), 0, pixelOffset};
  }
  if (!IsWindowsInfoSize(infoSize)) return std::nullopt;
  return BmpHeader{false,
                   static_cast<int32_t>(Le32At(bytes, 18)),
                   static_cast<int32_t>(Le32At(bytes, 22)),
                   Le16At(bytes, 28),
                   Le32At(bytes, 30),
                   pixelOffset};
}

bool IsAcceptable(const BmpHeader& header) {
  bool sizeAndCompressionFit = header.os2 || (header.width >= 1 && header.height != 0 && header.compression <= 3);
  return sizeAndCompressionFit && header.bitsPerPixel == 24;
}

// Rows in the file are padded to a multiple of 4 bytes.
uint64_t StoredRowBytes(int64_t width) { return static_cast<uint64_t>((width * 24 + 31) / 32) * 4; }

// The file stores blue, green, red; the buffer takes red, green, blue.
void CopyRowSwappingRedAndBlue(const uint8_t* from, uint8_t* to, int width) {
  for (int x = 0; x < width; ++x, from += 3, to += 3) {
    to[0] = from[2];
    to[1] = from[1];
    to[2] = from[0];
  }
}

// The stored rows of an acceptable 24-bit file, checked to lie inside it.
struct StoredRows {
  const uint8_t* first;  // the first row in the file
  uint64_t rowBytes;     // padded to a multiple of 4
  int64_t width;
  int64_t height;
  bool bottomUp;  // a positive height stores the bottom row first; a negative one is top-down
};

// The file must hold every row before any pixel memory is taken (a short read fails). Sizes
// as stored keep the product below 1.4e19, inside 64 bits.
std::optional<StoredRows> FindStoredRows(ByteSpan bytes) {
  std::optional<BmpHeader> header = ReadBmpHeader(bytes);
  if (!header || !IsAcceptable(*header)) return std::nullopt;
  bool bottomUp = header->height > 0;
  int64_t height = bottomUp ? header->height : -header->height;
  uint64_t rowBytes = StoredRowBytes(header->width);
  if (header->width < 1 || height < 1 || !Covers(bytes, header->pixelOffset, rowBytes * static_cast<uint64_t>(height)))
    return std::nullopt;
  return StoredRows{bytes.data() + header->pixelOffset, rowBytes, header->width, height, bottomUp};
}

}  // namespace

bool AcceptsBmp(ByteSpan bytes) {
  std::optional<BmpHeader> header = ReadBmpHeader(bytes);
  return header && IsAcceptable(*header);
}

bool DecodeBmp(ByteSpan bytes, PixelBuffer& pixels) {
  std::optional<StoredRows> stored = FindStoredRows(bytes);
  if (!stored || !pixels.Allocate(stored->width, stored->height, 24)) return false;
  const uint8_t* row = stored->first;
  for (int i = 0; i < pixels.height(); ++i, row += stored->rowBytes) {
    int y = stored->bottomUp ? pixels.height() - 1 - i : i;
    CopyRowSwappingRedAndBlue(row, pixels.row(y), pixels.width());
  }
  return true;
}

bool DecodeBmpToBgr(ByteSpan bytes, BgrRows& rows) {
  std::optional<StoredRows> stored = FindStoredRows(bytes);
  if (!stored || !FitsPictureLimits(stored->width, stored->height)) return false;
  const int width = static_cast<int>(stored->width);
  const int height = static_cast<int>(stored->height);
  size_t stride = 0;
  uint8_t* top = rows.Rows(width, height, stride);
  if (!top) return false;
  const uint8_t* row = stored->first;
  for (int i = 0; i < height; ++i, row += stored->rowBytes) {
    int y = stored->bottomUp ? height - 1 - i : i;
    std::memcpy(top + stride * static_cast<size_t>(y), row, static_cast<size_t>(width) * 3);
  }
  return true;
}
