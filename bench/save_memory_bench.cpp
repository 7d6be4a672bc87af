// The process's memory during the real save of a 300-frame take at 80 percent on the running
// screen: working set and private bytes before the save, after frames 10, 100, 200 and 300,
// their largest sample and their growth per frame, to show that the save holds one frame at a
// time. Prints table rows and the process's peak working set.
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
constexpr int kTemporaryFolder = 11;

using Counter = double ProcessMemory::*;

std::string Cell(const SaveSample* sample, Counter counter) {
  char text[32];
  if (!sample) return "n/a";
  std::snprintf(text, sizeof(text), "%.1f MB", sample->memory.*counter);
  return text;
}

double PeakDuringSave(const TimedSave& save, Counter counter) {
  double peak = 0;
  for (const SaveSample& sample : save.samples) peak = std::max(peak, sample.memory.*counter);
  return peak;
}

// Growth per frame from frame 10 to frame 300, in KB.
std::string GrowthPerFrame(const TimedSave& save, Counter counter) {
  const SaveSample* first = save.AfterFrame(kReportedFrames[0]);
  const SaveSample* last = save.AfterFrame(kFrames);
  if (!first || !last) return "n/a";
  char text[32];
  std::snprintf(text, sizeof(text), "%+.1f KB",
                1024 * (last->memory.*counter - first->memory.*counter) / (kFrames - kReportedFrames[0]));
  return text;
}

void ReportRow(const char* name, const TimedSave& save, const ProcessMemory& before, Counter counter) {
  const ScreenSize screen = PrimaryScreenSize();
  std::printf("| %dx%d | %s | %.1f MB", screen.width, screen.height, name, before.*counter);
  for (int frame : kReportedFrames) std::printf(" | %s", Cell(save.AfterFrame(frame), counter).c_str());
  std::printf(" | %.1f MB | %s |\n", PeakDuringSave(save, counter), GrowthPerFrame(save, counter).c_str());
}

void MeasureMemory() {
  if (!PrepareTake(kFrames)) {
    std::printf("| the take could not be written |\n");
    return;
  }
  const ProcessMemory before = CurrentProcessMemory();
  const std::string target = SpecialFolderPath(kTemporaryFolder) + "velmo-memory-bench.vmrc";
  const TimedSave save = TimeSave(target);
  if (!SaveSucceeded(save)) {
    std::printf("| the save did not succeed |\n");
  } else {
    ReportRow("working set", save, before, &ProcessMemory::workingSet);
    ReportRow("private bytes", save, before, &ProcessMemory::privateBytes);
    // Between two samples a frame's buffers come and go; the system's own peak catches them.
    std::printf("peak working set of the process: %.1f MB before the save, %.1f MB after it\n", before.peakWorkingSet,
                CurrentProcessMemory().peakWorkingSet);
  }
  DeleteFileW(Widen(target).c_str());
  RemoveFolderTree(FrameFolder);
}

}  // namespace

int main() {
  RunInBenchProgram(MeasureMemory);
  return 0;
}
