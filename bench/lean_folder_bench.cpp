// The working folder of a minute's take (600 frames, ten a second) as lean frames, for three
// desktops at the screen's size: the busy desktop with its editor scrolling and the pointer
// moving, the same desktop standing still, and noise that changes every frame. Each take goes
// through the real TakeWriter, coding ahead at quality 80 as the program does, a frame handed
// every 100 ms as the take's clock hands them (a writer that keeps its tick waiting gives up the
// coding ahead, so frames handed faster would measure another take); the folder and its "coded"
// folder are then counted as they lie on the disk. The writer's cost is the processor time per
// frame, making the picture included (its median is given apart), and the ticks that waited.
// Prints one "figures" line per desktop.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/recorder/disk_space.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/rescaled_frame_size.h"
#include "app/recorder/take_writer.h"
#include "bench/bench_clock.h"
#include "bench/take_pictures.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

constexpr int kFrames = 600;
constexpr int kQuality = 80;
constexpr double kBytesPerGigabyte = 1e9;
constexpr double kTickMilliseconds = 100;

void MeasureScene(TakeScene scene, const std::string& folder) {
  const ScreenSize screen = PrimaryScreenSize();
  const FrameSize canvas = SaveCanvasSize(kQuality);
  RemoveFolderTree(folder);
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  TakePictures pictures(scene, screen.width, screen.height);
  ByteString file;
  std::vector<double> making;
  TakeWriter writer;
  const double processorBefore = ProcessorMilliseconds();
  const double start = NowMilliseconds();
  writer.Begin(folder, 1, PrecodeTarget{kQuality, canvas.width, canvas.height});
  for (int frame = 1; frame <= kFrames; ++frame) {
    const double made = NowMilliseconds();
    if (!pictures.Frame(frame, file)) break;
    making.push_back(NowMilliseconds() - made);
    if (!writer.Hand(frame, SnapshotOf(file))) break;
    const double next = start + frame * kTickMilliseconds;
    if (NowMilliseconds() < next) Sleep(static_cast<DWORD>(next - NowMilliseconds()));
  }
  const WriterOutcome outcome = writer.Finish();
  const double processor = ProcessorMilliseconds() - processorBefore;
  const FolderBytes frames = FilesInFolder(folder);
  const FolderBytes coded = FilesInFolder(folder + "/coded");
  const char* name = SceneName(scene);
  std::printf("figures lean_%s_frames=%d lean_%s_written=%d lean_%s_folder_bytes=%llu lean_%s_coded_bytes=%llu "
              "lean_%s_coded_files=%llu lean_%s_gb_per_min=%.4f lean_%s_make_ms=%.2f "
              "lean_%s_cpu_ms=%.2f lean_%s_waits=%llu\n",
              name, kFrames, name, outcome.framesWritten, name, static_cast<unsigned long long>(frames.bytes), name,
              static_cast<unsigned long long>(coded.bytes), name, static_cast<unsigned long long>(coded.files), name,
              static_cast<double>(frames.bytes + coded.bytes) / kBytesPerGigabyte, name,
              Median(making), name, processor / kFrames, name, static_cast<unsigned long long>(writer.Waits()));
  std::fflush(stdout);
  RemoveFolderTree(folder);
}

}  // namespace

int main() {
  const std::string folder = SpecialFolderPath(kTemporaryFolder) + "velmo-lean-folder-bench";
  for (TakeScene scene : {TakeScene::kScrolling, TakeScene::kStill, TakeScene::kNoise}) MeasureScene(scene, folder);
  return 0;
}
