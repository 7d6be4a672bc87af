// One frame as ExportVideo holds it between the decoder and the encoders: blue, green, red
// rows, top row first, in one block kept from frame to frame. The first frame fixes the size;
// a frame of another size is refused.
#pragma once
#include <cstdint>
#include <vector>

#include "components/imaging/bgr_rows.h"

class FramePicture : public BgrRows {
 public:
  // Null, and sizeDiffers() true, for a size other than that of the first frame asked for.
  uint8_t* Rows(int width, int height, size_t& stride) override;

  int width() const { return width_; }
  int height() const { return height_; }
  size_t stride() const { return static_cast<size_t>(width_) * 3; }
  const uint8_t* top() const { return pixels_.data(); }
  bool sizeDiffers() const { return sizeDiffers_; }

 private:
  std::vector<uint8_t> pixels_;
  int width_ = 0;
  int height_ = 0;
  bool sizeDiffers_ = false;
};
