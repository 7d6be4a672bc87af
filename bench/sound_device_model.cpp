#include "bench/sound_device_model.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "components/sound/sound_aligner.h"

RunOutcome RunSimulatedDevice(const DeviceRun& run) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int64_t> lateness(0, 8000);
  SoundAligner aligner(kModelRate);
  const int64_t start = 5'000'000;  // the device ran before the take began
  aligner.GoOnAt(start, 0);
  const double framesPerMicrosecond = kModelRate * run.clockRatio / 1e6;
  const int64_t packetFrames = kModelRate / 100;
  RunOutcome outcome;
  int64_t deviceFrames = static_cast<int64_t>(start * framesPerMicrosecond) / packetFrames * packetFrames;
  int64_t pausedFor = 0;
  bool paused = false;
  int64_t nextStall = run.stallEverySeconds > 0 ? start + run.stallEverySeconds * 1'000'000 : INT64_MAX;
  const int64_t end = start + (run.seconds + run.pauseSeconds) * 1'000'000;
  for (int64_t now = start; now < end; now += 10'000 + lateness(random)) {
    if (now >= nextStall) {
      now += 60'000;
      nextStall += run.stallEverySeconds * 1'000'000;
    }
    const int64_t takeSecond = (now - start - pausedFor) / 1'000'000;
    if (!paused && pausedFor == 0 && run.pauseAt >= 0 && takeSecond == run.pauseAt) {
      aligner.Pause();
      paused = true;
    }
    if (paused && now - start >= (run.pauseAt + run.pauseSeconds) * 1'000'000) {
      paused = false;
      pausedFor = run.pauseSeconds * 1'000'000;
      aligner.GoOnAt(now, now - start - pausedFor);
    }
    const int64_t complete = static_cast<int64_t>(now * framesPerMicrosecond) / packetFrames * packetFrames;
    for (; deviceFrames + packetFrames <= complete; deviceFrames += packetFrames) {
      const SoundAligner::Placement placement = aligner.Place(outcome.written, packetFrames, now);
      outcome.written += placement.silenceBefore;
      if (placement.dropFirst >= static_cast<size_t>(packetFrames)) continue;
      const int64_t firstKept = deviceFrames + static_cast<int64_t>(placement.dropFirst);
      const double heardAt = firstKept / framesPerMicrosecond - start - pausedFor;
      const double placedAt = outcome.written * 1e6 / kModelRate;
      outcome.worstOffsetMs = std::max(outcome.worstOffsetMs, std::abs(placedAt - heardAt) / 1000);
      outcome.written += packetFrames - placement.dropFirst;
    }
  }
  outcome.corrected = aligner.FramesAdded() + aligner.FramesDropped();
  return outcome;
}
