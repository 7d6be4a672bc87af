#include "app/recorder/take_clock.h"

namespace {
constexpr int kLongestGapSeconds = 2;
}

void TakeClock::GoOnAt(int64_t now, int framesSoFar, int rate) {
  rate_ = rate;
  origin_ = now - FrameStartMicroseconds(framesSoFar + 1, rate);
}

int64_t TakeClock::SlotAt(int64_t now) const { return FrameSlotAt(now - origin_, rate_); }

int CaptureTickMilliseconds(int rate) { return 1000 / (2 * rate); }

int64_t LongestRepeatedGap(int rate) { return static_cast<int64_t>(kLongestGapSeconds) * rate; }
