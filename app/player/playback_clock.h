// The clock a playback keeps time by: frame f shows from the moment playback started or went on
// from it, and each later frame one period after the one before, so the frame of any moment
// follows from the time played, however late or seldom the window timer ticks. The moment it
// started can be moved to follow a clock of sound. Plain arithmetic
// over microseconds of the steady clock (components/services/steady_clock.h).
#pragma once
#include <cstdint>

#include "app/recording/frame_rate.h"

class PlaybackClock {
 public:
  // Frame `frame` shows from `now` on, at `rate` frames a second.
  void GoOnAt(int frame, int64_t now, int rate);
  // The frame of the moment `now`: the start frame until one period has passed, then the next,
  // and so on; never past the largest int.
  int FrameAt(int64_t now) const;
  // The moment frame `frame` (the start frame or a later one) is due.
  int64_t DueAt(int frame) const;
  // The start frame has been playing for `elapsed` microseconds at `now` (negative: it begins
  // that much later): the time another clock, the sound's, tells.
  void Follow(int64_t elapsed, int64_t now) { start_ = now - elapsed; }
  int startFrame() const { return frame_; }

 private:
  int frame_ = 1;
  int64_t start_ = 0;
  int rate_ = kDefaultFrameRate;
};

// The timer interval in milliseconds that brings a tick at `due` when it is `now`: the time left,
// rounded up so the tick never comes before it, and at least 1 for a moment already past (the
// system makes that its shortest interval).
int MillisecondsUntil(int64_t due, int64_t now);
