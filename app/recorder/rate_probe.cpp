#include "app/recorder/rate_probe.h"

#include <algorithm>
#include <iterator>
#include <thread>

#include "app/recorder/screen_snapshot.h"
#include "app/recording/frame_rate.h"
#include "components/imaging/lean_frame.h"
#include "components/services/screen_pixels.h"
#include "components/services/steady_clock.h"

namespace {

// A frame's work may take three quarters of its period.
constexpr int64_t kUsableShare = 3;
constexpr int64_t kShareOf = 4;
constexpr int64_t kMicrosecondsASecond = 1'000'000;
constexpr int kTimedSnapshots = 3;

bool Fits(int64_t frameMicroseconds, int rate) {
  return frameMicroseconds * rate * kShareOf <= kMicrosecondsASecond * kUsableShare;
}

// The first snapshot makes the bitmap and is not timed, as a take pays for that once; of the
// timed ones the middle counts, so one the machine's other work held up does not decide. The
// last snapshot, or null when the screen could not be read.
const SnapshotFile* MeasureSnapshot(ScreenSnapshots& snapshots, int64_t& cost) {
  const SnapshotFile* snapshot = &snapshots.Take();
  if (snapshot->size() == 0) return nullptr;
  int64_t times[kTimedSnapshots];
  for (int64_t& time : times) {
    const int64_t start = SteadyMicroseconds();
    snapshot = &snapshots.Take();
    time = SteadyMicroseconds() - start;
    if (snapshot->size() == 0) return nullptr;
  }
  std::nth_element(std::begin(times), times + kTimedSnapshots / 2, std::end(times));
  cost = times[kTimedSnapshots / 2];
  return snapshot;
}

// The snapshot coded as a whole frame twice by one encoder: a take's writer codes frame after
// frame with what it learned of each tile (whether deflating it pays), so the second coding is
// what each frame costs it.
bool MeasureCoding(const SnapshotFile& snapshot, int64_t& cost) {
  const ScreenSize screen = [] {
    const PhysicalScreenScope physical;
    return PrimaryScreenPixels();
  }();
  const FrameShape shape{screen.width, screen.height};
  LeanFrameEncoder encoder;
  ByteString file;
  if (!encoder.Encode(shape, snapshot.rows, {}, 0, file)) return false;
  const int64_t start = SteadyMicroseconds();
  if (!encoder.Encode(shape, snapshot.rows, {}, 0, file)) return false;
  cost = SteadyMicroseconds() - start;
  return true;
}

}  // namespace

// A cost over a second fits no rate, so it is taken as a second: the sums and products stay small.
std::vector<int> RatesSustainedAt(const FrameCosts& costs) {
  const int64_t snapshot = std::clamp<int64_t>(costs.snapshotMicroseconds, 0, kMicrosecondsASecond);
  const int64_t coding = std::clamp<int64_t>(costs.codingMicroseconds, 0, kMicrosecondsASecond);
  const int64_t frame = costs.cores >= 2 ? std::max(snapshot, coding) : snapshot + coding;
  std::vector<int> rates;
  for (int rate : kOfferedFrameRates)
    if (Fits(frame, rate)) rates.push_back(rate);
  return rates;
}

// A system that does not say how many cores it has is taken to have two, as nearly every
// machine the program runs on has.
std::vector<int> SustainedFrameRates() {
  ScreenSnapshots snapshots;
  FrameCosts costs;
  const SnapshotFile* snapshot = MeasureSnapshot(snapshots, costs.snapshotMicroseconds);
  if (!snapshot || !MeasureCoding(*snapshot, costs.codingMicroseconds)) return {};
  const unsigned cores = std::thread::hardware_concurrency();
  costs.cores = cores == 0 ? 2 : static_cast<int>(cores);
  return RatesSustainedAt(costs);
}

std::string SustainedRatesText(const std::vector<int>& rates) {
  if (rates.empty())
    return "此屏幕无法持续 " + std::to_string(kOfferedFrameRates[0]) + kFrameRateUnit + "，录制仍按时间计帧";
  std::string text = "此屏幕可持续：";
  for (size_t i = 0; i < rates.size(); ++i) text += (i == 0 ? "" : "、") + std::to_string(rates[i]);
  return text + kFrameRateUnit;
}
