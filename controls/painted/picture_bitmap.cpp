#include "controls/painted/picture_bitmap.h"

namespace {

// Rows of 24-bit pixels are padded to a multiple of 4 bytes.
size_t StrideOf(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

}  // namespace

uint8_t* PictureBitmap::Rows(int width, int height, size_t& stride) {
  stride = StrideOf(width);
  // The system may still be drawing from the bitmap about to be written over.
  GdiFlush();
  if (bitmap_ && width == width_ && height == height_) return bits_;
  bitmap_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return nullptr;
  bitmap_ = std::move(bitmap);
  bits_ = static_cast<uint8_t*>(bits);
  width_ = width;
  height_ = height;
  return bits_;
}

size_t PictureBitmap::stride() const { return StrideOf(width_); }
