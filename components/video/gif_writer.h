// The GIF save in two passes. The first counts the colours of every frame of the take into one
// palette of its own colours (palettegen); the second maps each frame to that palette with
// error diffusion, so gradients do not band, only inside the rectangle that changed since the
// frame before (paletteuse), and the GIF encoder stores just the changed rectangle with the
// unchanged pixels in it transparent. One palette for the whole file is what lets the encoder
// compare frame with frame. A frame's delay, in whole hundredths of a second, runs to the next
// frame's time rounded to a hundredth, so at 15 frames a second the delays go 7, 6, 7 and add up
// to the video's length, the last frame's included; the animation loops forever.
#pragma once
#include <string>

#include "components/video/encoded_file.h"
#include "components/video/filter_chain.h"
#include "components/video/frame_taker.h"
#include "components/video/video_settings.h"

// Pass 1. Results are the codes of video.h.
class GifPaletteCounter : public FrameTaker {
 public:
  int Open(VideoSize size, int frameRate, int quality);
  int Take(const FramePicture& picture) override;
  // The palette of the frames taken: 16 × 16 colours, the last one kept free for transparency.
  int Finish(AVFrame* palette);

 private:
  FilterChain chain_;
  int64_t nextFrame_ = 0;
};

// Pass 2.
class GifWriter : public FrameTaker {
 public:
  // For `frameCount` frames, which set the last frame's delay.
  int Open(const std::string& path, VideoSize size, int frameRate, int frameCount, AVFrame* palette);
  int Take(const FramePicture& picture) override;
  int Finish();

 private:
  int EncodeMapped();

  EncodedFile file_;
  FilterChain chain_;
  FramePtr mapped_;
  int64_t nextFrame_ = 0;
};
