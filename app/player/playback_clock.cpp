#include "app/player/playback_clock.h"

#include <algorithm>
#include <climits>

void PlaybackClock::GoOnAt(int frame, int64_t now, int rate) {
  frame_ = frame;
  start_ = now;
  rate_ = rate;
}

int PlaybackClock::FrameAt(int64_t now) const {
  const int64_t frame = frame_ + FrameSlotAt(now - start_, rate_) - 1;
  return static_cast<int>(std::min<int64_t>(frame, INT_MAX));
}

int64_t PlaybackClock::DueAt(int frame) const {
  return start_ + FrameStartMicroseconds(frame - frame_ + 1, rate_);
}

int MillisecondsUntil(int64_t due, int64_t now) {
  const int64_t milliseconds = (due - now + 999) / 1000;
  return static_cast<int>(std::clamp<int64_t>(milliseconds, 1, INT_MAX));
}
