// What takes the frames of one pass of an export: an encoder with its file, or the palette's
// counting.
#pragma once
#include "components/video/frame_picture.h"

class FrameTaker {
 public:
  virtual ~FrameTaker() = default;
  // Takes the next frame, of the size the taker was opened for; a result code of video.h.
  virtual int Take(const FramePicture& picture) = 0;
};
