#include "components/video/frame_picture.h"

uint8_t* FramePicture::Rows(int width, int height, size_t& stride) {
  if (pixels_.empty()) {
    width_ = width;
    height_ = height;
    pixels_.resize(static_cast<size_t>(width) * 3 * static_cast<size_t>(height));
  } else if (width != width_ || height != height_) {
    sizeDiffers_ = true;
    return nullptr;
  }
  stride = this->stride();
  return pixels_.data();
}
