#include "controls/painted/back_picture.h"

void BackPicture::Forget() {
  if (decoded_) spare_ = std::move(decoded_);
  tried_ = false;
}

void BackPicture::Draw(HDC target, const ByteString& bytes, const RECT& area, int pictureMode) {
  if (!tried_) {
    decoded_ = DecodedPicture::Decode(bytes, std::move(spare_));
    tried_ = true;
  }
  if (decoded_) decoded_->Draw(target, area, pictureMode);
}
