#include "components/imaging/bmp_file.h"

#include <algorithm>

#include "components/services/little_endian.h"

namespace {

int64_t RowBytes(int width) { return static_cast<int64_t>(BmpRowSize(static_cast<uint64_t>(width))); }

bool FitsBmpFile(int width, int height) {
  constexpr int64_t kLargestPixelData = 0xFFFFFFFFll - kBmpHeadersSize;
  return width >= 1 && height >= 1 && RowBytes(width) <= kLargestPixelData / height;
}

// The 54 header bytes at the start of `bytes`, which holds at least that many.
void PutHeaders(int width, int height, ByteString& bytes) {
  const int64_t pixelBytes = RowBytes(width) * height;
  bytes[0] = 'B';
  bytes[1] = 'M';
  SetLe32(bytes.data(), 2, kBmpHeadersSize + static_cast<uint32_t>(pixelBytes));
  SetLe32(bytes.data(), 10, kBmpHeadersSize);
  SetLe32(bytes.data(), 14, 40);
  SetLe32(bytes.data(), 18, static_cast<uint32_t>(width));
  SetLe32(bytes.data(), 22, static_cast<uint32_t>(height));
  SetLe16(bytes.data(), 26, 1);
  SetLe16(bytes.data(), 28, 24);
  SetLe32(bytes.data(), 34, static_cast<uint32_t>(pixelBytes));
}

}  // namespace

uint32_t BmpRowBytes(int width) { return static_cast<uint32_t>(RowBytes(width)); }

bool IsWholeBitmapFile(const uint8_t* head, size_t headSize, uint64_t fileSize) {
  if (headSize < kBmpFileHeaderSize || head[0] != 'B' || head[1] != 'M') return false;
  return GetLe32(head, 2) == fileSize;
}

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
