// The process's memory during the real save of a 300-frame take at 80 percent on the running
// screen: working set and private bytes before the save, after frames 10, 100, 200 and 300,
// their largest sample and their growth per frame, to show that the save holds one frame at a
// time. Prints "figures" lines for bench/run-benchmarks.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/recorder/recorder_state.h"
#include "bench/bench_program.h"
#include "bench/save_run.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

constexpr int kFrames = 300;
constexpr int kReportedFrames[] = {10, 100, 200, 300};

using Counter = double ProcessMemory::*;

double PeakDuringSave(const TimedSave& save, Counter counter) {
  double peak = 0;
  for (const SaveSample& sample : save.samples) peak = std::max(peak, sample.memory.*counter);
  return peak;
}

// One counter: before the save, after the reported frames, its largest sample, and its growth
// per frame from frame 10 to the last, in KB (0 with a note when a sample is missing).
void ReportCounter(const char* name, const TimedSave& save, const ProcessMemory& before, Counter counter) {
  std::printf("figures %s_before_mb=%.1f", name, before.*counter);
  for (int frame : kReportedFrames) {
    const SaveSample* sample = save.AfterFrame(frame);
    std::printf(" %s_frame%d_mb=%.1f", name, frame, sample ? sample->memory.*counter : 0.0);
  }
  const SaveSample* first = save.AfterFrame(kReportedFrames[0]);
  const SaveSample* last = save.AfterFrame(kFrames);
  const double growth = first && last ? 1024 * (last->memory.*counter - first->memory.*counter) /
                                            (kFrames - kReportedFrames[0])
                                      : 0.0;
  std::printf(" %s_largest_mb=%.1f %s_growth_kb_per_frame=%.1f %s_samples_complete=%d\n", name,
              PeakDuringSave(save, counter), name, growth, name, first && last ? 1 : 0);
}

void MeasureMemory() {
  if (!PrepareTake(kFrames)) {
    std::printf("the take could not be written\n");
    return;
  }
  const ProcessMemory before = CurrentProcessMemory();
  const std::string target = SpecialFolderPath(kTemporaryFolder) + "velmo-memory-bench.vmrc";
  const TimedSave save = TimeSave(target);
  if (!SaveSucceeded(save)) {
    std::printf("the save did not succeed\n");
  } else {
    ReportCounter("memory_working_set", save, before, &ProcessMemory::workingSet);
    ReportCounter("memory_private", save, before, &ProcessMemory::privateBytes);
    // Between two samples a frame's buffers come and go; the system's own peak catches them.
    std::printf("figures memory_frames=%d memory_peak_before_mb=%.1f memory_peak_after_mb=%.1f\n", kFrames,
                before.peakWorkingSet, CurrentProcessMemory().peakWorkingSet);
  }
  DeleteFileW(Widen(target).c_str());
  RemoveFolderTree(FrameFolder);
}

}  // namespace

int main() {
  RunInBenchProgram(MeasureMemory);
  return 0;
}
