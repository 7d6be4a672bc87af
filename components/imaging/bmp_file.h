// The BMP file layout: the complete 24-bit files the program writes (a panel picture, a
// captured frame) are a 14-byte file header, a 40-byte info header, no colour table, then the
// pixel rows from the bottom row up, each pixel blue, green, red and each row padded with zero
// bytes to a multiple of 4. The decoder reads the same headers (bmp_decoder.cpp).
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "components/services/byte_string.h"

constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kBmpHeadersSize = kBmpFileHeaderSize + 40;

// Bytes of one stored row of `width` 24-bit pixels: ((24 × width + 31) / 32) × 4, exact for any
// width below 2^58.
constexpr uint64_t BmpRowSize(uint64_t width) { return (24 * width + 31) / 32 * 4; }
// The same for a width of at least 1 small enough for the result to fit in 32 bits.
uint32_t BmpRowBytes(int width);
// Bytes of the whole 24-bit file for a width × height picture, for room checks.
constexpr uint64_t BmpFileSize(uint64_t width, uint64_t height) {
  return kBmpHeadersSize + BmpRowSize(width) * height;
}

// Whether a file of `fileSize` bytes whose first `headSize` bytes are `head` is a whole BMP
// file: its file header is there, begins with "BM" and states exactly that size. A file cut
// short by a crash states more.
bool IsWholeBitmapFile(const uint8_t* head, size_t headSize, uint64_t fileSize);

// The file for a width × height picture with its pixel rows still zero, for a caller to fill
// in place (bytes kBmpHeadersSize onward). Empty when a side is below 1 or the pixel data would
// not fit in 32 bits.
ByteString BmpFileOfSize(int width, int height);

// The same headers in `file`, sized to the whole file with its memory reused: a file of
// another size becomes all zeros first, one of the same size keeps its pixel bytes, for a
// caller that overwrites them.
// False, leaving `file` empty, where BmpFileOfSize gives an empty file.
bool ShapeBmpFile(int width, int height, ByteString& file);

// The 54 header bytes alone of the file for a width × height picture, for a writer that keeps
// the pixel rows elsewhere and writes them after; empty where BmpFileOfSize gives an empty file.
ByteString BmpHeaders(int width, int height);

// The file for a width × height picture whose pixel data (bottom-up, padded rows) is
// `pixelRows`. Empty when a side is below 1, the pixel data would not fit in 32 bits, or
// `pixelRows` is not exactly BmpRowBytes(width) × height bytes.
ByteString BuildBmpFile(int width, int height, std::span<const uint8_t> pixelRows);
