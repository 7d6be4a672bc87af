// The saves of one 100-frame desktop take at 80 percent through the real SaveDialog, once as a
// recording file, once with "mp4格式" and once with "gif格式" (the take written again before
// each, since a save uses it up): the time of each from the click until the dialog is gone,
// frames per second against the take's own 10, the processor time, the file's size and the
// process's private bytes after frame 10 and after the last frame. The frames the canvas shrank
// are left as n.bmp in the folder given as the first argument, for Debian's ffmpeg to encode the
// very same pixels. Prints one "figures" line for bench/run-benchmarks.sh.
//
//   video_save_bench.exe FOLDER [FRAMES]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/recorder/recorder_state.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "bench/save_run.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

int frames = 100;  // a second argument gives fewer, for a quick look

struct Format {
  const char* name;
  int item;  // of SaveDialog's 组合框
  const char* extension;
};
constexpr Format kFormats[] = {{"vmrc", 0, ".vmrc"}, {"mp4", 1, ".mp4"}, {"gif", 2, ".gif"}};

double FileMegabytes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  const uint64_t bytes = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// The private bytes of the first sample at or after frame 10 and of the last sample.
void PrivateBytes(const TimedSave& save, double& early, double& last) {
  early = last = 0;
  for (const SaveSample& sample : save.samples) {
    if (early == 0 && sample.position >= 10) early = sample.memory.privateBytes;
    last = sample.memory.privateBytes;
  }
}

// Saves the prepared take; false when the save failed.
bool MeasureFormat(const Format& format, std::string& figures) {
  const std::string target = SpecialFolderPath(kTemporaryFolder) + "velmo-video-bench" + format.extension;
  const double processorBefore = ProcessorMilliseconds();
  const TimedSave save = TimeSave(target, format.item);
  const double processor = ProcessorMilliseconds() - processorBefore;
  const bool saved = SaveSucceeded(save);
  if (saved) {
    const double whole = save.gone - save.clicked;
    double early = 0, last = 0;
    PrivateBytes(save, early, last);
    char line[320];
    std::snprintf(line, sizeof(line),
                  " %s_save_ms=%.1f %s_fps=%.2f %s_cpu_ms=%.1f %s_mb=%.3f %s_private_frame10_mb=%.1f "
                  "%s_private_last_mb=%.1f",
                  format.name, whole, format.name, frames * 1000.0 / whole, format.name, processor, format.name,
                  FileMegabytes(target), format.name, early, format.name, last);
    figures += line;
  } else {
    std::printf("the %s save did not succeed: %s\n", format.name, save.message.c_str());
  }
  DeleteFileW(Widen(target).c_str());
  RemoveFolderTree(FrameFolder);
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: video_save_bench.exe FOLDER [FRAMES]\n");
    return 2;
  }
  if (argc > 2) frames = std::max(10, std::atoi(argv[2]));
  const std::string comparisonFolder = argv[1];
  RunInBenchProgram([&] {
    std::string figures = "figures video_frames=" + std::to_string(frames);
    for (const Format& format : kFormats) {
      if (!PrepareTake(frames)) return;
      if (format.item == 0) RescaleTakeInto(comparisonFolder, frames);
      if (!MeasureFormat(format, figures)) return;
    }
    std::printf("%s\n", figures.c_str());
  });
  return 0;
}
