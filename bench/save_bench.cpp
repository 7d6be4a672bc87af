// The whole save of a 100-frame take at 80 percent on the running screen, through the real
// SaveDialog: frames per second against the take's own 10, the time of each phase, the
// processor time of the save, and where a frame's time goes (the rescale through 隐藏画板 and
// ConvertToJpeg, each also measured apart on the same frames). The rescaled frames are left as
// n.bmp in the folder given as the first argument, for Debian's cjpeg to convert the very same
// pixels. Prints one "figures" line for bench/run-benchmarks.sh, with what fresh memory costs
// on this machine.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/recorder/recorder_state.h"
#include "app/recording/recording_file.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "bench/save_run.h"
#include "components/imaging/imaging.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

constexpr int kFrames = 100;

double FileMegabytes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  const uint64_t bytes = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// The second half, with the save's own arguments, on the rescaled frames.
std::vector<double> ConvertFramesIn(const std::string& folder) {
  std::vector<double> times;
  const std::string target = folder + "/velmo-converted.jpg";
  for (int frame = 1; frame <= kFrames; ++frame) {
    const double start = NowMilliseconds();
    ConvertToJpeg(CapturedFramePath(folder, frame), target, false, QualityPercent, true, 0);
    times.push_back(NowMilliseconds() - start);
  }
  DeleteFileW(Widen(target).c_str());
  return times;
}

// What first touching memory no one has used yet costs on this machine, in ms per MiB: each
// frame of the save passes through several new buffers of a frame's size.
double FreshMemoryMillisecondsPerMebibyte() {
  constexpr SIZE_T kMebibytes = 8;
  std::vector<double> times;
  for (int round = 0; round < 5; ++round) {
    const double start = NowMilliseconds();
    void* block = VirtualAlloc(nullptr, kMebibytes << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!block) return 0;
    std::memset(block, 1, kMebibytes << 20);
    times.push_back(NowMilliseconds() - start);
    VirtualFree(block, 0, MEM_RELEASE);
  }
  return Median(times) / kMebibytes;
}

double Sum(const std::vector<double>& values) {
  double sum = 0;
  for (double value : values) sum += value;
  return sum;
}

// Phases from the moments of the save; the folder goes between Pack's last step and the
// outcome box.
void Report(const TimedSave& save, const std::vector<double>& rescales, const std::vector<double>& conversions,
            double archiveMegabytes, double processor) {
  const double whole = save.gone - save.clicked;
  const double loop = save.ConversionEnded() - save.clicked;
  const double pack = save.lastPackProgress - save.ConversionEnded();
  const double perFrame = loop / kFrames;
  std::printf("figures save_frames=%d save_whole_ms=%.1f save_fps=%.2f save_loop_ms=%.1f save_frame_ms=%.2f "
              "save_pack_ms=%.1f save_removal_ms=%.1f save_closing_ms=%.1f save_rescale_ms=%.2f "
              "save_convert_ms=%.2f save_rest_ms=%.2f save_convert_total_ms=%.1f save_archive_mb=%.2f "
              "save_cpu_ms=%.1f fresh_memory_ms_per_mib=%.2f\n",
              kFrames, whole, kFrames * 1000.0 / whole, loop, perFrame, pack, save.messageShown - save.lastPackProgress,
              save.gone - save.messageShown, Median(rescales), Median(conversions),
              perFrame - Median(rescales) - Median(conversions), Sum(conversions), archiveMegabytes, processor,
              FreshMemoryMillisecondsPerMebibyte());
}

void MeasureSave(const std::string& comparisonFolder) {
  if (!PrepareTake(kFrames)) {
    std::printf("the take could not be written\n");
    return;
  }
  const std::vector<double> rescales = RescaleTakeInto(comparisonFolder, kFrames);
  const std::vector<double> conversions = ConvertFramesIn(comparisonFolder);
  const std::string target = SpecialFolderPath(kTemporaryFolder) + "velmo-save-bench.vmrc";
  const double processorBefore = ProcessorMilliseconds();
  const TimedSave save = TimeSave(target);
  const double processor = ProcessorMilliseconds() - processorBefore;
  if (SaveSucceeded(save)) {
    Report(save, rescales, conversions, FileMegabytes(target), processor);
  } else {
    std::printf("the save did not succeed\n");
  }
  DeleteFileW(Widen(target).c_str());
  RemoveFolderTree(FrameFolder);
}

}  // namespace

int main(int argc, char** argv) {
  const bool ownFolder = argc < 2;
  const std::string comparisonFolder = ownFolder ? SpecialFolderPath(kTemporaryFolder) + "velmo-save-bench" : argv[1];
  RunInBenchProgram([&] { MeasureSave(comparisonFolder); });
  if (ownFolder) RemoveFolderTree(comparisonFolder);
  return 0;
}
