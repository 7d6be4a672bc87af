// Keeps a source's samples in step with the take's clock. A sound device counts samples by a
// clock of its own, which runs a little fast or slow against the system's (0.1 % is 600 ms in
// ten minutes), and its packets come late by a varying few milliseconds; the take's frames are
// timed by the system's clock. Each packet read is placed where the take's clock says it ends,
// judged by the packets that came least late in the last second: when the sound has run more than
// kToleranceMicroseconds ahead, samples are left out; when it lags, silence is put in. A pause
// drops what comes until the take goes on. Plain arithmetic; the caller writes what it says.
#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>

class SoundAligner {
 public:
  // The most the sound may stray before it is put back: with packets up to 10 ms late, picture
  // and sound stay well within 40 ms of each other.
  static constexpr int64_t kToleranceMicroseconds = 15'000;
  // How long the least late packet is looked for before a correction.
  static constexpr int64_t kJudgedOverMicroseconds = 1'000'000;
  // The most silence one correction puts in. A take repeats no more than two seconds of frames
  // either: a longer gap (the system asleep) it takes out as a pause and goes on from, so the
  // sound must not fill it, nor hold hours of silence in memory on the way.
  static constexpr int64_t kLongestSilenceMicroseconds = 2'000'000;

  explicit SoundAligner(int rate) : rate_(rate) {}

  // From `steadyAt` on, the take's time runs with the steady clock from `takeMicroseconds` (a
  // take's start at 0, or its going on after a pause at the next frame's start).
  void GoOnAt(int64_t steadyAt, int64_t takeMicroseconds);
  // The take stands still: packets are dropped until GoOnAt.
  void Pause() { running_ = false; }

  // What to do with a packet of `frames` sample frames read at `readAt` when `written` frames
  // are in the file: silent frames to write before it, and how many of its first frames to
  // leave out (all of them while paused).
  struct Placement {
    uint64_t silenceBefore = 0;
    size_t dropFirst = 0;
  };
  Placement Place(uint64_t written, size_t frames, int64_t readAt);

  // The corrections the device's drift and late packets asked for so far, in sample frames (the
  // placing at a start or after a pause not counted).
  uint64_t FramesAdded() const { return added_; }
  uint64_t FramesDropped() const { return dropped_; }

 private:
  int64_t TargetEnd(int64_t readAt) const;

  int rate_;
  bool running_ = false;
  bool placeNext_ = false;  // the first packet after GoOnAt is placed exactly
  int64_t steadyAnchor_ = 0;
  int64_t takeAnchor_ = 0;
  int64_t judgingSince_ = 0;
  int64_t mostAhead_ = std::numeric_limits<int64_t>::min();  // frames, over the judging time
  int64_t owedDrop_ = 0;  // frames still to leave out
  uint64_t added_ = 0;
  uint64_t dropped_ = 0;
};
