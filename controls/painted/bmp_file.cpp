#include "controls/painted/bmp_file.h"

#include <algorithm>

namespace {

void PutLe(ByteString& bytes, size_t offset, uint32_t value, int width) {
  for (int index = 0; index < width; ++index) bytes[offset + index] = static_cast<uint8_t>(value >> (8 * index));
}

int64_t RowBytes(int width) { return (24 * int64_t{width} + 31) / 32 * 4; }

bool FitsBmpFile(int width, int height) {
  constexpr int64_t kLargestPixelData = 0xFFFFFFFFll - kBmpHeadersSize;
  return width >= 1 && height >= 1 && RowBytes(width) <= kLargestPixelData / height;
}

// The 54 header bytes at the start of `bytes`, which holds at least that many.
void PutHeaders(int width, int height, ByteString& bytes) {
  const int64_t pixelBytes = RowBytes(width) * height;
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLe(bytes, 2, kBmpHeadersSize + static_cast<uint32_t>(pixelBytes), 4);
  PutLe(bytes, 10, kBmpHeadersSize, 4);
  PutLe(bytes, 14, 40, 4);
  PutLe(bytes, 18, static_cast<uint32_t>(width), 4);
  PutLe(bytes, 22, static_cast<uint32_t>(height), 4);
  PutLe(bytes, 26, 1, 2);
  PutLe(bytes, 28, 24, 2);
  PutLe(bytes, 34, static_cast<uint32_t>(pixelBytes), 4);
}

}  // namespace

uint32_t BmpRowBytes(int width) { return static_cast<uint32_t>(RowBytes(width)); }

ByteString BmpFileOfSize(int width, int height) {
  ByteString file;
  ShapeBmpFile(width, height, file);
  return file;
}

bool ShapeBmpFile(int width, int height, ByteString& file) {
  if (!FitsBmpFile(width, height)) {
    file.clear();
    return false;
  }
  const size_t fileBytes = kBmpHeadersSize + static_cast<size_t>(RowBytes(width) * height);
  // A file of another layout starts from zeros, so that row padding a writer leaves alone
  // never shows an earlier picture; one of the same size keeps its memory untouched.
  if (file.size() != fileBytes) file.assign(fileBytes, 0);
  PutHeaders(width, height, file);
  return true;
}

ByteString BmpHeaders(int width, int height) {
  ByteString headers;
  if (!FitsBmpFile(width, height)) return headers;
  headers.assign(kBmpHeadersSize, 0);
  PutHeaders(width, height, headers);
  return headers;
}

ByteString BuildBmpFile(int width, int height, std::span<const uint8_t> pixelRows) {
  ByteString file = BmpFileOfSize(width, height);
  if (file.size() != kBmpHeadersSize + pixelRows.size()) return {};
  std::copy(pixelRows.begin(), pixelRows.end(), file.begin() + kBmpHeadersSize);
  return file;
}
