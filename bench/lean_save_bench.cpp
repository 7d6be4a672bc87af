// A ten-minute take (6,000 frames of the busy desktop with its editor scrolling and the pointer
// moving) recorded through the program's own capture tick, with the snapshot painting the
// bench's pictures in place of the screen (SetScreenStandIn) and a tick every 100 ms as the
// take's clock runs them (a writer that keeps its ticks waiting gives up the coding ahead); the
// process's memory at frames 10, 1000, 3000 and 6000 of it. Then its saves through the real SaveDialog, each timed from the
// answer of the file dialog to the box that reports success: at quality 80, which the take
// coded ahead, and at 60, which converts from the lean frames. Before them today's bitmap form
// for comparison: 600 frames of the same desktop written as n.bmp as the tick wrote them, the
// folder counted, and their save at 80 (a tenth of the take: 6,000 bitmaps would fill 37 GB).
// Prints "figures" lines; an optional argument takes another frame count for the take.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/recorder/disk_space.h"
#include "app/recorder/frame_precoder.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recording/recording_file.h"
#include "app/settings/settings.h"
#include "app/settings/settings_file.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "bench/process_memory.h"
#include "bench/save_run.h"
#include "bench/take_pictures.h"
#include "components/services/file_bytes.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "forms/recorder_window.h"

namespace {

constexpr int kBitmapFrames = 600;
constexpr double kTickMilliseconds = 100;
constexpr int kSampledFrames[] = {10, 1000, 3000, 6000};

uint64_t TakeFolderBytes() { return FilesInFolder(FrameFolder).bytes + FilesInFolder(FrameFolder + "/coded").bytes; }

// From the file dialog's answer to the success box, and the whole click to closing; of the
// first, the conversion (none when coded ahead), the archive's writing until Pack's last
// progress event, and the rest: the archive flushed to the disk and the take removed.
void ReportSave(const char* name, const TimedSave& save, const std::string& target) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(Widen(target).c_str(), GetFileExInfoStandard, &data);
  const double archive = ((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / 1e6;
  const double converted = save.ConversionEnded() > save.answered ? save.ConversionEnded() : save.answered;
  std::printf("figures %s_saved=%d %s_ms=%.1f %s_whole_ms=%.1f %s_archive_mb=%.1f %s_convert_ms=%.1f %s_pack_ms=%.1f "
              "%s_flush_and_removal_ms=%.1f\n",
              name, SaveSucceeded(save) ? 1 : 0, name, save.messageShown - save.answered, name, save.gone - save.clicked,
              name, archive, name, converted - save.answered, name, save.lastPackProgress - converted, name,
              save.messageShown - save.lastPackProgress);
  std::fflush(stdout);
  DeleteFileW(Widen(target).c_str());
}

// Today's form: the tick wrote each snapshot whole as n.bmp (WriteFileParts).
void MeasureBitmapTake(const std::string& target) {
  const ScreenSize screen = PrimaryScreenSize();
  CreateDirectoryW(Widen(FrameFolder).c_str(), nullptr);
  TakePictures pictures(TakeScene::kScrolling, screen.width, screen.height);
  ByteString file;
  std::vector<double> writes;
  for (int frame = 1; frame <= kBitmapFrames && pictures.Frame(frame, file); ++frame) {
    const SnapshotFile snapshot = SnapshotOf(file);
    const double start = NowMilliseconds();
    WriteFileParts(CapturedFramePath(FrameFolder, frame), {snapshot.headers, snapshot.rows});
    writes.push_back(NowMilliseconds() - start);
  }
  const FolderBytes folder = FilesInFolder(FrameFolder);
  std::printf("figures bitmap_frames=%d bitmap_files=%llu bitmap_folder_bytes=%llu bitmap_write_ms=%.2f\n",
              kBitmapFrames, static_cast<unsigned long long>(folder.files),
              static_cast<unsigned long long>(folder.bytes), Median(writes));
  FrameCount = kBitmapFrames;
  const std::string name = QualityPercent == 80 ? "bitmap_save600" : "bitmap_save600_at" + std::to_string(QualityPercent);
  ReportSave(name.c_str(), TimeSave(target), target);
  RemoveFolderTree(FrameFolder);
}

void ReportMemory(const std::vector<ProcessMemory>& samples, int frames) {
  std::printf("figures lean_memory_frames=%d", frames);
  for (size_t i = 0; i < samples.size(); ++i) {
    std::printf(" lean_memory_working_set_frame%d_mb=%.1f lean_memory_private_frame%d_mb=%.1f", kSampledFrames[i],
                samples[i].workingSet, kSampledFrames[i], samples[i].privateBytes);
  }
  if (samples.size() == std::size(kSampledFrames)) {
    const double span = kSampledFrames[std::size(kSampledFrames) - 1] - kSampledFrames[0];
    std::printf(" lean_memory_working_set_growth_kb_per_frame=%.2f lean_memory_private_growth_kb_per_frame=%.2f",
                1024 * (samples.back().workingSet - samples.front().workingSet) / span,
                1024 * (samples.back().privateBytes - samples.front().privateBytes) / span);
  }
  std::printf("\n");
}

// The take through StartTake, CaptureTick and StopRecording, a tick every 100 ms.
bool RecordLeanTake(int frames) {
  const ScreenSize screen = PrimaryScreenSize();
  TakePictures pictures(TakeScene::kScrolling, screen.width, screen.height);
  take_pictures_on_screen::Use(&pictures);
  const ScreenStandIn screenItself = SetScreenStandIn(take_pictures_on_screen::PaintNext);
  std::vector<ProcessMemory> samples;
  const double processorBefore = ProcessorMilliseconds();
  const double start = NowMilliseconds();
  StartTake();
  EventRecord tick{RecorderWindow::kId, RecorderWindow::时钟1, 0, {}, {}};
  while (TakeIsRunning() && FrameCount < frames) {
    const double next = start + FrameCount * kTickMilliseconds;
    if (NowMilliseconds() < next) Sleep(static_cast<DWORD>(next - NowMilliseconds()));
    CaptureTick(tick);
    for (int sampled : kSampledFrames) {
      if (FrameCount == sampled) samples.push_back(CurrentProcessMemory());
    }
  }
  StopRecording();
  const double processor = ProcessorMilliseconds() - processorBefore;
  SetScreenStandIn(screenItself);
  take_pictures_on_screen::Use(nullptr);
  const PrecodedFrames* coded = PrecodedTake();
  std::printf("figures lean_take_frames=%d lean_take_cpu_ms=%.2f lean_take_waits=%llu lean_take_bytes=%llu "
              "lean_take_coded_up_to=%d\n",
              FrameCount, processor / (FrameCount > 0 ? FrameCount : 1), static_cast<unsigned long long>(TakeWriterWaits()),
              static_cast<unsigned long long>(TakeFolderBytes()), coded ? coded->codedUpTo : 0);
  ReportMemory(samples, FrameCount);
  std::fflush(stdout);
  return FrameCount == frames;
}

// The lean frames kept aside for the second save: the first one removes the take.
void CopyLeanFrames(const std::string& from, const std::string& to, int frames) {
  CreateDirectoryW(Widen(to).c_str(), nullptr);
  for (int frame = 1; frame <= frames; ++frame) {
    CopyFileW(Widen(LeanFramePath(from, frame)).c_str(), Widen(LeanFramePath(to, frame)).c_str(), FALSE);
  }
}

void MeasureLeanTake(const std::string& target, int frames) {
  if (!RecordLeanTake(frames)) {
    std::printf("the take could not be recorded\n");
    return;
  }
  const std::string kept = SpecialFolderPath(kTemporaryFolder) + "velmo-lean-save-bench";
  RemoveFolderTree(kept);
  CopyLeanFrames(FrameFolder, kept, frames);
  ReportSave("lean_save80", TimeSave(target), target);
  RemoveFolderTree(FrameFolder);
  MoveFileW(Widen(kept).c_str(), Widen(FrameFolder).c_str());
  FrameCount = frames;
  // The save at 60 remembers 60 as the quality last used; the settings go back afterwards.
  const Settings before = CurrentSettings();
  QualityPercent = 60;
  ReportSave("lean_save60", TimeSave(target), target);
  QualityPercent = before.saveQuality;
  SetCurrentSettings(before);
  StoreSettingsFile(SettingsFilePath(), before);
  RemoveFolderTree(FrameFolder);
}

}  // namespace

// With a second argument, today's form alone, saved at that quality: "0 60" holds today's save
// at 60 beside the lean take's.
int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::atoi(argv[1]) : kSampledFrames[std::size(kSampledFrames) - 1];
  const int bitmapQuality = argc > 2 ? std::atoi(argv[2]) : 0;
  RunInBenchProgram([frames, bitmapQuality] {
    if (!LoadWindow(RecorderWindow::kId, 0, false)) return;
    const std::string target = SpecialFolderPath(kTemporaryFolder) + "velmo-lean-save-bench.vmrc";
    if (bitmapQuality) QualityPercent = bitmapQuality;
    MeasureBitmapTake(target);
    if (frames > 0) MeasureLeanTake(target, frames);
  });
  return 0;
}
