// The MP4 save: each frame turned to 4:2:0 colour (BT.709, limited range, as players expect of
// video) and encoded as H.264 by openh264 at a fixed quantiser, in an MP4 file whose index is
// moved to the front when it is complete, so the video plays while it downloads.
#pragma once
#include <string>

#include "components/video/encoded_file.h"
#include "components/video/frame_taker.h"
#include "components/video/video_settings.h"

class Mp4Writer : public FrameTaker {
 public:
  // Results are the codes of video.h.
  int Open(const std::string& path, VideoSize size, int frameRate, int quality);
  // The frame's rows beyond the stored size (an odd last column or row) are left out.
  int Take(const FramePicture& picture) override;
  int Finish() { return file_.Finish(); }

 private:
  EncodedFile file_;
  ScalePtr toYuv_;
  FramePtr yuv_;
};
