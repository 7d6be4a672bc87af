// The take's clock: frame n of a take is the screen at (n − 1) frame periods after the take
// started, by the high-resolution clock (components/services/steady_clock.h), whatever the
// window timer's period or a busy moment. A tick tells which slot it falls in; the capture loop
// writes that slot's frame and repeats the frame before for every slot no tick came in. A pause
// takes its time out: the next frame's slot begins when the take resumes. Plain arithmetic over
// microseconds.
#pragma once
#include <cstdint>

#include "app/recording/frame_rate.h"

class TakeClock {
 public:
  // The take is `framesSoFar` frames long and goes on now: the slot of frame framesSoFar + 1
  // begins at `now`. A take starts with 0 frames; a resumed one with those it has.
  void GoOnAt(int64_t now, int framesSoFar, int rate);
  // The slot `now` falls in: the number of the frame that shows the screen of this moment.
  int64_t SlotAt(int64_t now) const;
  int rate() const { return rate_; }

 private:
  int64_t origin_ = 0;  // when frame 1's slot began, the pauses counted out
  int rate_ = kDefaultFrameRate;
};

// The capture timer's interval at a rate: half a frame period, so a timer whose ticks come late
// by up to its system's period (15.6 ms on Windows) still gives every slot a tick at 10 to 30
// frames a second, and a tick that finds its slot written costs only a look at the clock.
int CaptureTickMilliseconds(int rate);

// Slots a single tick fills with repeats at most: a gap longer than this (the system asleep,
// the screen locked for long) is taken out of the take as a pause is, so the working folder
// never fills with hours of one repeated frame.
int64_t LongestRepeatedGap(int rate);
