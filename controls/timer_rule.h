// The write rule of a Timer's interval, as a small state machine: writing the value it already
// has changes nothing, a negative value is stored as 0, and any other write stops the timer and
// starts it again for a value above 0, one full interval after the write.
#pragma once
#include <cstdint>

struct TimerWrite {
  int32_t stored;  // the interval kept afterwards
  bool stop;       // stop the running timer
  bool start;      // then start it with `stored`
};

TimerWrite ApplyTimerWrite(int32_t current, int32_t written);
