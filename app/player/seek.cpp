#include "app/player/seek.h"

#include <algorithm>
#include <cstdint>

int FrameUnderPointer(int x, int trackWidth, int frameCount) {
  if (frameCount < 1) return 0;
  if (trackWidth < 1) return 1;
  // The stretch of frame n is ((n - 1) × width ÷ count, n × width ÷ count]; 64 bits, since an
  // hour's recording times a wide bar passes 32.
  const int64_t inside = std::clamp(x, 0, trackWidth);
  const int64_t frame = (inside * frameCount + trackWidth - 1) / trackWidth;
  return static_cast<int>(std::clamp<int64_t>(frame, 1, frameCount));
}

int SteppedFrame(int frame, int step, int frameCount) {
  if (frameCount < 1) return 0;
  return static_cast<int>(std::clamp<int64_t>(int64_t{frame} + step, 1, frameCount));
}
