// What the program holds of the system's objects over long runs: its GDI objects, USER objects
// (windows) and kernel handles after 10 and after 1,000 capture ticks of a take, and after 10
// and after 1,000 playback ticks that each paint their frame, through the real RecorderWindow
// and PlayerWindow and their handlers. Prints one "figures" line for bench/run-benchmarks.sh.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/player/playback.h"
#include "app/player/player_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recording/recording_file.h"
#include "bench/bench_program.h"
#include "bench/desktop_picture.h"
#include "bench/process_resources.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "controls/control.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/runtime_state.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"

namespace {

constexpr int kFirstTicks = 10;
constexpr int kAllTicks = 1000;
constexpr int kRecordingFrames = 10;

struct Counts {
  ProcessResources after10;
  ProcessResources after1000;
};

// The take's ticks through the program's own handler. A thousand lean frames of a screen that
// hardly changes take little room.
void CaptureTicks(int count) {
  for (int i = 0; i < count; ++i) RaiseEvent(RecorderWindow::kId, RecorderWindow::时钟1, TimerEvent::kTick);
}

// What the process holds once the take's writer has caught up, so a file it has open for the
// frame it is writing just then is not counted.
ProcessResources ResourcesOnceWritten() {
  Sleep(500);
  return CurrentProcessResources();
}

Counts CountCaptureTicks() {
  Counts counts;
  ClickButton({RecorderWindow::kId, RecorderWindow::按钮1});
  // The benchmark delivers every tick itself; the clock would add its own.
  WriteProperty({RecorderWindow::kId, RecorderWindow::时钟1}, timer_property::kInterval, 0);
  CaptureTicks(kFirstTicks - FrameCount);
  counts.after10 = ResourcesOnceWritten();
  CaptureTicks(kAllTicks - kFirstTicks);
  counts.after1000 = ResourcesOnceWritten();
  ClickButton({RecorderWindow::kId, RecorderWindow::按钮2});
  return counts;
}

bool MakeRecording(const std::string& target) {
  const std::string folder = SpecialFolderPath(kTemporaryFolder) + "velmo-resource-frames";
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  const bool made = WriteSavedFrames(folder, 640, 480, kRecordingFrames) && Pack(nullptr, folder, target) == kZipDone;
  RemoveFolderTree(folder);
  return made;
}

// The recording plays round and round: a tick past the last frame stops and rewinds it, and
// 播放 plays it again.
void PlaybackTicks(int count) {
  Control* panel = FindLiveControl({PlayerWindow::kId, PlayerWindow::画板});
  for (int i = 0; i < count; ++i) {
    if (!Playing()) ClickButton({PlayerWindow::kId, PlayerWindow::播放按钮});
    TickPlaybackOnTime();
    if (panel) UpdateWindow(panel->hwnd());
    ProcessPendingEvents();
  }
}

Counts CountPlaybackTicks(const std::string& recording) {
  Counts counts;
  LoadWindow(PlayerWindow::kId, 0, false);
  StandTheClockStill();
  AnswerFileDialogsWith(recording);
  ClickButton({PlayerWindow::kId, PlayerWindow::按钮1});
  AwaitRecordingUnpacked();
  PlaybackTicks(kFirstTicks);
  counts.after10 = CurrentProcessResources();
  PlaybackTicks(kAllTicks - kFirstTicks);
  counts.after1000 = CurrentProcessResources();
  DestroyWindow(PlayerWindow::kId, true);
  return counts;
}

void PrintCounts(const char* name, const Counts& counts) {
  std::printf(" %s_gdi_10=%ld %s_gdi_1000=%ld %s_user_10=%ld %s_user_1000=%ld %s_handles_10=%ld %s_handles_1000=%ld",
              name, counts.after10.gdiObjects, name, counts.after1000.gdiObjects, name, counts.after10.userObjects,
              name, counts.after1000.userObjects, name, counts.after10.handles, name, counts.after1000.handles);
}

void Measure() {
  if (!LoadWindow(RecorderWindow::kId, 0, false)) return;
  const Counts capture = CountCaptureTicks();
  RemoveFolderTree(FrameFolder);
  const std::string recording = SpecialFolderPath(kTemporaryFolder) + "velmo-resource-bench.vmrc";
  if (!MakeRecording(recording)) {
    std::printf("the recording could not be made\n");
    return;
  }
  const Counts playback = CountPlaybackTicks(recording);
  DeleteFileW(Widen(recording).c_str());
  std::printf("figures resources_probed=%d", capture.after10.probed ? 1 : 0);
  PrintCounts("capture", capture);
  PrintCounts("playback", playback);
  std::printf("\n");
}

}  // namespace

int main() {
  RunInBenchProgram(Measure);
  return 0;
}
