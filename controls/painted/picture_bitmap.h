// The bitmap a decoded picture is drawn from: a top-down 24-bit device-independent bitmap whose
// rows the imaging decoders write straight into (blue, green, red, as the bitmap holds them).
#pragma once
#include <windows.h>

#include "components/imaging/bgr_rows.h"
#include "components/services/gdi_handle.h"

class PictureBitmap : public BgrRows {
 public:
  // The rows of a width × height bitmap: the one already held when it has that size (a panel
  // shown frame after frame of one size keeps one bitmap), else a new one. Null when the
  // system refuses the bitmap; the one held before is then gone.
  uint8_t* Rows(int width, int height, size_t& stride) override;

  // The bitmap (null before Rows gave any rows), its top row and its size.
  HBITMAP get() const { return bitmap_.get(); }
  const uint8_t* bits() const { return bits_; }
  size_t stride() const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  BitmapHandle bitmap_;
  uint8_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
