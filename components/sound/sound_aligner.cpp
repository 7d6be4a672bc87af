#include "components/sound/sound_aligner.h"

#include <algorithm>

void SoundAligner::GoOnAt(int64_t steadyAt, int64_t takeMicroseconds) {
  running_ = true;
  placeNext_ = true;
  steadyAnchor_ = steadyAt;
  takeAnchor_ = takeMicroseconds;
  judgingSince_ = steadyAt;
  mostAhead_ = std::numeric_limits<int64_t>::min();
  owedDrop_ = 0;
}

// The sample frame the take's clock is at when a packet is read: where that packet's last
// sample belongs, had it come without delay.
int64_t SoundAligner::TargetEnd(int64_t readAt) const {
  const int64_t takeMicroseconds = takeAnchor_ + (readAt - steadyAnchor_);
  return takeMicroseconds * rate_ / 1'000'000;
}

SoundAligner::Placement SoundAligner::Place(uint64_t written, size_t frames, int64_t readAt) {
  Placement placement;
  if (!running_ || readAt < steadyAnchor_) {
    placement.dropFirst = frames;
    return placement;
  }
  const int64_t ahead = static_cast<int64_t>(written + frames) - TargetEnd(readAt);
  const int64_t tolerance = kToleranceMicroseconds * rate_ / 1'000'000;
  int64_t correction = 0;  // frames: positive to leave out, negative to add
  const bool drifted = !placeNext_;
  if (placeNext_) {
    placeNext_ = false;
    correction = ahead;
  } else {
    mostAhead_ = std::max(mostAhead_, ahead);
    if (readAt - judgingSince_ >= kJudgedOverMicroseconds) {
      if (mostAhead_ > tolerance || mostAhead_ < -tolerance) correction = mostAhead_;
      judgingSince_ = readAt;
      mostAhead_ = std::numeric_limits<int64_t>::min();
    }
  }
  if (correction < 0) {
    placement.silenceBefore = static_cast<uint64_t>(std::min(-correction, kLongestSilenceMicroseconds * rate_ / 1'000'000));
    if (drifted) added_ += placement.silenceBefore;
  } else {
    owedDrop_ += correction;
    if (drifted) dropped_ += static_cast<uint64_t>(correction);
  }
  const int64_t drop = std::min<int64_t>(owedDrop_, static_cast<int64_t>(frames));
  owedDrop_ -= drop;
  placement.dropFirst = static_cast<size_t>(drop);
  return placement;
}
