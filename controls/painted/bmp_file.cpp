#include "controls/painted/bmp_file.h"

namespace {

void PutLe(ByteString& bytes, size_t offset, uint32_t value, int width) {
  for (int index = 0; index < width; ++index) bytes[offset + index] = static_cast<uint8_t>(value >> (8 * index));
}

int64_t RowBytes(int width) { return (24 * int64_t{width} + 31) / 32 * 4; }

}  // namespace

uint32_t BmpRowBytes(int width) { return static_cast<uint32_t>(RowBytes(width)); }

ByteString BuildBmpFile(int width, int height, std::span<const uint8_t> pixelRows) {
  constexpr int64_t kLargestPixelData = 0xFFFFFFFFll - kBmpHeadersSize;
  if (width < 1 || height < 1 || RowBytes(width) > kLargestPixelData / height) return {};
  int64_t pixelBytes = RowBytes(width) * height;
  if (static_cast<uint64_t>(pixelBytes) != pixelRows.size()) return {};
  ByteString file(kBmpHeadersSize);
  file[0] = 'B';
  file[1] = 'M';
  PutLe(file, 2, kBmpHeadersSize + static_cast<uint32_t>(pixelBytes), 4);
  PutLe(file, 10, kBmpHeadersSize, 4);
  PutLe(file, 14, 40, 4);
  PutLe(file, 18, static_cast<uint32_t>(width), 4);
  PutLe(file, 22, static_cast<uint32_t>(height), 4);
  PutLe(file, 26, 1, 2);
  PutLe(file, 28, 24, 2);
  PutLe(file, 34, static_cast<uint32_t>(pixelBytes), 4);
  file.insert(file.end(), pixelRows.begin(), pixelRows.end());
  return file;
}
