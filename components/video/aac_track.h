// The MP4's sound: sample frames of a WAV file encoded as AAC-LC by FFmpeg's own encoder into a
// second stream of the file, 96 kbit/s for mono and 64 a channel for more (128 for stereo), at
// the WAV's rate where AAC has that rate, else resampled to 48000. The writer encodes the sound
// of each frame as it takes the frame, so the muxer can put sound and pictures in the order of
// their times without holding more than a frame's worth. Results are the codes of video.h.
#pragma once
#include <cstdint>
#include <vector>

#include "components/sound/sound_stream.h"
#include "components/video/encoded_file.h"
#include "components/video/video.h"

class AacTrack {
 public:
  // Adds the track to `file`, which has not started yet: the sound's frames, but no more than
  // play with `frameCount` frames at `frameRate`. kVideoSoundUnreadable when the WAV cannot be
  // read.
  int Open(EncodedFile& file, const VideoSound& sound, int frameCount, int frameRate);
  // Encodes the sound that plays before video frame `videoFrame` begins, in whole AAC frames.
  int EncodeBefore(int videoFrame);
  // Encodes the rest of the sound and whatever the encoder still holds.
  int Finish();

 private:
  int EncodeUntil(uint64_t until, bool last);
  int Send(AVFrame* frame);

  EncodedFile* file_ = nullptr;
  CodecContextPtr encoder_;
  PacketPtr packet_;
  FramePtr frame_;
  AVStream* stream_ = nullptr;
  SoundStream sound_;
  std::vector<float> samples_;
  int frameRate_ = 0;
  uint64_t total_ = 0;  // sample frames of the track, at its own rate
  uint64_t done_ = 0;
};
