#include "controls/painted/back_picture.h"

void BackPicture::Forget() {
  if (decoded_) spare_ = std::move(decoded_);
  tried_ = false;
}

void BackPicture::Draw(HDC target, const ByteString& bytes, const RECT& area, int pictureMode) {
  if (const DecodedPicture* picture = Decoded(bytes)) picture->Draw(target, area, pictureMode);
}

const DecodedPicture* BackPicture::Decoded(const ByteString& bytes) {
  if (!tried_) {
    decoded_ = DecodedPicture::Decode(bytes, std::move(spare_));
    tried_ = true;
  }
  return decoded_.get();
}
