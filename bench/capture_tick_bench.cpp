// The cost of one capture tick (screen snapshot + frame file write) on the running screen, and
// the frame rate a 10-second take sustains on the 100 ms timer. Prints one table row.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/player/recording_file.h"
#include "app/recorder/screen_snapshot.h"
#include "bench/bench_clock.h"
#include "components/services/file_bytes.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

constexpr int kMeasuredTicks = 60;
constexpr int kTakeMilliseconds = 10000;
constexpr double kTickBudgetMilliseconds = 100.0;

// Kept from tick to tick, as the recorder keeps them during a take.
ScreenSnapshots snapshots;

// One tick as the recorder runs it: snapshot, then the frame file.
void Tick(const std::string& folder, int frame) { WriteWholeFile(CapturedFramePath(folder, frame), snapshots.Take()); }

struct TickCost {
  double snapshot;
  double write;
};

// The two halves of a tick, each the median over kMeasuredTicks.
TickCost MedianTickCost(const std::string& folder) {
  std::vector<double> takes, writes;
  for (int frame = 1; frame <= kMeasuredTicks; ++frame) {
    const double start = NowMilliseconds();
    const ByteString& bytes = snapshots.Take();
    const double taken = NowMilliseconds();
    WriteWholeFile(CapturedFramePath(folder, frame), bytes);
    writes.push_back(NowMilliseconds() - taken);
    takes.push_back(taken - start);
  }
  return {Median(takes), Median(writes)};
}

// A take on a 100 ms window timer, as the recorder's clock runs it: ticks never pile up, so a
// slow tick lowers the rate.
double SustainedFramesPerSecond(const std::string& folder) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, nullptr);
  const DWORD start = GetTickCount();
  int frames = 0;
  Tick(folder, ++frames);
  MSG message;
  while (GetTickCount() - start < kTakeMilliseconds && GetMessageW(&message, nullptr, 0, 0)) {
    if (message.message == WM_TIMER) Tick(folder, ++frames);
  }
  KillTimer(nullptr, timer);
  return frames * 1000.0 / static_cast<double>(GetTickCount() - start);
}

}  // namespace

int main() {
  const std::string folder = SpecialFolderPath(11) + "velmo-capture-bench";
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  const ScreenSize screen = PrimaryScreenSize();
  const TickCost cost = MedianTickCost(folder);
  const double tick = cost.snapshot + cost.write;
  const double rate = SustainedFramesPerSecond(folder);
  std::printf("| %dx%d | %.1f ms | %.1f ms | %.1f ms | %.0f %% | %.1f |\n", screen.width, screen.height, cost.snapshot,
              cost.write, tick, 100.0 * tick / kTickBudgetMilliseconds, rate);
  RemoveFolderTree(folder);
  return 0;
}
