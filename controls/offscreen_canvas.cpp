#include "controls/offscreen_canvas.h"

#include "controls/painted/back_picture.h"
#include "controls/painted/colours.h"
#include "controls/painted/picture_canvas.h"
#include "controls/painted/two_core_shrink.h"

struct OffscreenCanvas::Parts {
  BackPicture picture;
  PictureCanvas canvas;
};

OffscreenCanvas::OffscreenCanvas() : parts_(std::make_unique<Parts>()) {}

OffscreenCanvas::~OffscreenCanvas() = default;

bool OffscreenCanvas::Draw(int width, int height, Colour backColour, int pictureMode, const ByteString& picture,
                           ByteString& file) {
  const ShrinksOnThisThread alone;
  parts_->picture.Forget();
  if (!parts_->canvas.Paint({width, height}, ScreenColour(backColour), parts_->picture.Decoded(picture), pictureMode)) {
    file.clear();
    return false;
  }
  return parts_->canvas.TakeFile(file);
}
