// The cost of one capture tick (screen snapshot + frame file write) on the running screen, and
// the frame rate a 10-second take sustains on the 100 ms timer. The ticks are spaced 100 ms
// apart as a take spaces them: run back to back on cores other work shares, each would wait
// its turn behind that work and measure the waiting. Prints one "figures" line: medians of the
// snapshot, the write and the whole tick, processor time per tick, the sustained rate.
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
constexpr DWORD kTickMilliseconds = 100;

// Kept from tick to tick, as the recorder keeps them during a take.
ScreenSnapshots snapshots;

// One tick as the recorder runs it: snapshot, then the frame file.
void Tick(const std::string& folder, int frame) { WriteWholeFile(CapturedFramePath(folder, frame), snapshots.Take()); }

struct TickCost {
  double snapshot;
  double write;
  double tick;
  double processor;  // per tick
};

TickCost MedianTickCost(const std::string& folder) {
  std::vector<double> takes, writes, ticks;
  const double processorBefore = ProcessorMilliseconds();
  for (int frame = 1; frame <= kMeasuredTicks; ++frame) {
    const double start = NowMilliseconds();
    const ByteString& bytes = snapshots.Take();
    const double taken = NowMilliseconds();
    WriteWholeFile(CapturedFramePath(folder, frame), bytes);
    const double written = NowMilliseconds();
    takes.push_back(taken - start);
    writes.push_back(written - taken);
    ticks.push_back(written - start);
    const double spent = written - start;
    if (spent < kTickMilliseconds) Sleep(kTickMilliseconds - static_cast<DWORD>(spent));
  }
  const double processor = (ProcessorMilliseconds() - processorBefore) / kMeasuredTicks;
  return {Median(takes), Median(writes), Median(ticks), processor};
}

// A take on a 100 ms window timer, as the recorder's clock runs it: ticks never pile up, so a
// slow tick lowers the rate.
double SustainedFramesPerSecond(const std::string& folder) {
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMilliseconds, nullptr);
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
  RemoveFolderTree(folder);
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  const double rate = SustainedFramesPerSecond(folder);
  RemoveFolderTree(folder);
  std::printf("figures capture_width=%d capture_height=%d capture_snapshot_ms=%.2f capture_write_ms=%.2f "
              "capture_tick_ms=%.2f capture_cpu_ms=%.2f capture_fps=%.2f\n",
              screen.width, screen.height, cost.snapshot, cost.write, cost.tick, cost.processor, rate);
  return 0;
}
