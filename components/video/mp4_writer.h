// The MP4 save: each frame turned to 4:2:0 colour (BT.709, limited range, as players expect of
// video) and encoded as H.264 by openh264 at a fixed quantiser, in an MP4 file whose index is
// moved to the front when it is complete, so the video plays while it downloads; with a sound,
// an AAC track beside the pictures (aac_track.h).
#pragma once
#include <optional>
#include <string>

#include "components/video/aac_track.h"
#include "components/video/encoded_file.h"
#include "components/video/frame_taker.h"
#include "components/video/video_settings.h"

class Mp4Writer : public FrameTaker {
 public:
  // Results are the codes of video.h. `sound` (null: none) plays with `frameCount` frames.
  int Open(const std::string& path, VideoSize size, int frameRate, int quality, const VideoSound* sound,
           int frameCount);
  // The frame's rows beyond the stored size (an odd last column or row) are left out; the sound
  // up to the next frame's start follows the frame.
  int Take(const FramePicture& picture) override;
  int Finish();

 private:
  EncodedFile file_;
  ScalePtr toYuv_;
  FramePtr yuv_;
  std::optional<AacTrack> sound_;
  int taken_ = 0;
};
