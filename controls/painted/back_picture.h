// A painted control's back picture once decoded: decoded from the stored bytes at the first
// paint and kept until the bytes change. The picture they replace lends its bitmap to the next
// one, so that a panel handed frame after frame (the player's, the save's hidden canvas) makes
// no new bitmap for each.
#pragma once
#include <windows.h>

#include <memory>

#include "components/services/byte_string.h"
#include "controls/painted/decoded_picture.h"

class BackPicture {
 public:
  // The stored bytes have been replaced: the decoded picture is discarded and decoded again
  // when next drawn.
  void Forget();

  // Draws the picture of `bytes` (the stored back picture) into `area` by picture mode,
  // decoding it first if needed. Bytes that hold no picture draw nothing, and are not tried
  // again until Forget.
  void Draw(HDC target, const ByteString& bytes, const RECT& area, int pictureMode);

  // The picture of `bytes`, decoding it first if needed; null when they hold none.
  const DecodedPicture* Decoded(const ByteString& bytes);

 private:
  std::unique_ptr<DecodedPicture> decoded_;
  std::unique_ptr<DecodedPicture> spare_;  // the picture replaced, until the next one is decoded
  bool tried_ = false;
};
