#include "controls/painted/back_picture.h"

void BackPicture::Forget() {
  decoded_.reset();
  tried_ = false;
}

void BackPicture::Draw(HDC target, const ByteString& bytes, const RECT& area, int pictureMode) {
  if (!tried_) {
    decoded_ = DecodedPicture::Decode(bytes);
    tried_ = true;
  }
  if (decoded_) decoded_->Draw(target, area, pictureMode);
}
