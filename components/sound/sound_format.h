// The shape of a sound and the rule that ties its samples to video frames.
#pragma once
#include <cstdint>

// Sample frames a second and samples in each (1 mono, 2 stereo, more as a device gives them).
struct SoundFormat {
  int rate = 0;
  int channels = 0;
  bool IsValid() const { return rate >= 1000 && rate <= 384000 && channels >= 1 && channels <= 8; }
  bool operator==(const SoundFormat&) const = default;
};

// The sample frames of a sound at `soundRate` that come before video frame `videoFrame` (1 or
// more) of a video at `frameRate`: frame n begins (n - 1) / frameRate seconds in, rounded down
// to a sample. SoundFramesBefore(frameCount + 1, ...) is the sound's whole length.
inline uint64_t SoundFramesBefore(int videoFrame, int frameRate, int soundRate) {
  if (videoFrame <= 1 || frameRate <= 0 || soundRate <= 0) return 0;
  return static_cast<uint64_t>(videoFrame - 1) * static_cast<uint64_t>(soundRate) / static_cast<uint64_t>(frameRate);
}
