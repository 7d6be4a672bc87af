// The aligner against a device whose clock runs fast or slow, whose packets come late by a
// varying few milliseconds and whose reader stalls now and then (bench/sound_device_model.h):
// wherever a packet's samples land in the file, their place in the take's time stays within 40 ms
// of when they were heard.
#include <gtest/gtest.h>

#include "bench/sound_device_model.h"
#include "components/sound/sound_aligner.h"

namespace {

constexpr int kRate = kModelRate;

TEST(SoundAligner, KeepsStepOverTenMinutesWhateverTheDeviceClock) {
  const struct {
    double ratio;
    uint64_t leastCorrected;
  } cases[] = {{1.0, 0}, {1.001, kRate * 600 * 9 / 10000}, {0.999, kRate * 600 * 9 / 10000}, {1.005, kRate * 3 * 9 / 10}};
  for (const auto& c : cases) {
    const RunOutcome outcome = RunSimulatedDevice({c.ratio, 600, -1, 0, 5});
    EXPECT_LT(outcome.worstOffsetMs, 40.0) << c.ratio;
    // The file is as long as the take, whatever the device counted: nine tenths of the drift or
    // more was put back.
    EXPECT_NEAR(static_cast<double>(outcome.written), 600.0 * kRate, kRate * 0.04) << c.ratio;
    EXPECT_GE(outcome.corrected, c.leastCorrected) << c.ratio;
  }
}

TEST(SoundAligner, APauseTakesItsStretchOut) {
  const RunOutcome outcome = RunSimulatedDevice({1.001, 20, 8, 5});
  EXPECT_LT(outcome.worstOffsetMs, 40.0);
  EXPECT_NEAR(static_cast<double>(outcome.written), 20.0 * kRate, kRate * 0.04);
}

TEST(SoundAligner, DropsEverythingBeforeTheTakeGoesOnAndFillsNoLongGap) {
  SoundAligner aligner(kRate);
  EXPECT_EQ(aligner.Place(0, 441, 1'000'000).dropFirst, 441u);
  aligner.GoOnAt(2'000'000, 0);
  // A packet read 5 ms in holds 10 ms: its first half was heard before the take began.
  const SoundAligner::Placement placement = aligner.Place(0, 441, 2'005'000);
  EXPECT_EQ(placement.silenceBefore, 0u);
  EXPECT_EQ(placement.dropFirst, 441u - 220u);
  // The first packet after the system slept an hour: two seconds of silence at most.
  EXPECT_EQ(aligner.Place(221, 441, 3'602'005'000).silenceBefore, 2u * kRate);
}

}  // namespace
