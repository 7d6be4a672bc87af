// The decoded picture handed from a decoder to the encoder. Its pixel memory is a hidden file in
// the system temporary folder mapped into memory, so a large picture needs no large heap block;
// the file disappears when the buffer is destroyed, on every return path.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "components/imaging/mapped_view.h"
#include "components/services/rgb.h"
#include "components/services/win_handle.h"

// The largest side a JPEG file can have.
constexpr int64_t kMaxPictureSide = 65500;
// The largest picture in pixels (64 Mi, about twice an 8K screen). A damaged or hostile header
// cannot make a decoder reserve more than this, and in the 32-bit program the buffers of such a
// picture (up to 4 bytes a pixel, plus a 3-byte copy) still fit the address space.
constexpr int64_t kMaxPicturePixels = int64_t{1} << 26;

// True when a picture of width × height pixels has both sides within 1 .. kMaxPictureSide and at
// most kMaxPicturePixels pixels.
bool FitsPictureLimits(int64_t width, int64_t height);

// Pixel files are named this prefix, then the first free decimal number from 0, then ".tmp".
inline constexpr wchar_t kPixelFilePrefix[] = L"velmo-pixels-";

// Pixels stored top row first, each row exactly width × bytes-per-pixel long, rows packed back to
// back. Depths: 8 (an index into palette()), 24 (red, green, blue) or 32 (red, green, blue,
// alpha, the colours already multiplied by alpha as libtiff delivers them).
class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;

  // Creates the backing file and maps it. False, leaving the buffer empty, when the size is
  // outside FitsPictureLimits, the depth is not 8, 24 or 32, the buffer was already allocated, or
  // the system refuses the file or the mapping. The pixels start out zero and the palette black.
  bool Allocate(int64_t width, int64_t height, int bitsPerPixel);

  int width() const { return width_; }
  int height() const { return height_; }
  int bitsPerPixel() const { return bitsPerPixel_; }
  size_t rowBytes() const { return static_cast<size_t>(width_) * (bitsPerPixel_ / 8); }
  // Row `y` (0 = top), valid while the buffer lives; y must be within 0 .. height - 1.
  uint8_t* row(int y) { return pixels_ + rowBytes() * static_cast<size_t>(y); }
  const uint8_t* row(int y) const { return pixels_ + rowBytes() * static_cast<size_t>(y); }
  // The colours of 8-bit pixels.
  std::array<Rgb, 256>& palette() { return palette_; }
  const std::array<Rgb, 256>& palette() const { return palette_; }

 private:
  // Released in reverse order: view, mapping, then the file, whose last handle deletes it.
  FileHandle file_;
  MappingHandle mapping_;
  MappedView view_;
  uint8_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
  std::array<Rgb, 256> palette_{};
};
