// The cost of one PlaybackTick of the real PlayerWindow for frames of 1536x864 (what a
// 1920x1080 screen saves at 80 percent): the tick's handler (the frame file read and handed to
// 画板), the panel's paint (the JPEG decoded and drawn shrunk to the panel) and the repaint of
// the rest of the window (progress bar, time text), each the median of 60 ticks spaced 100 ms
// apart as the playback clock spaces them, and the processor time of a tick. The decoding is
// also timed apart on the same frames, so the drawing is the rest of the paint. The recording
// is made with the program's own ConvertToJpeg and Pack; its first frame is copied as
// frame.jpg into the folder given as the first argument, for Debian's djpeg. Prints one
// "figures" line for bench/run-benchmarks.sh.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/player/player_handlers.h"
#include "app/player/player_state.h"
#include "app/recording/recording_file.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "bench/desktop_picture.h"
#include "components/services/file_bytes.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "controls/control.h"
#include "controls/runtime_state.h"
#include "controls/painted/decoded_picture.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr int kFrames = 60;
constexpr int kFrameWidth = 1536;
constexpr int kFrameHeight = 864;
constexpr double kTickBudgetMilliseconds = 100.0;

// A recording as a save makes one, at `target`; false when any step failed.
bool MakeRecording(const std::string& target, const std::string& frameCopyFolder) {
  const std::string folder = SpecialFolderPath(kTemporaryFolder) + "velmo-playback-frames";
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  const bool made =
      WriteSavedFrames(folder, kFrameWidth, kFrameHeight, kFrames) && Pack(nullptr, folder, target) == kZipDone;
  if (made && !frameCopyFolder.empty()) {
    CopyFileW(Widen(ConvertedFramePath(folder, 1)).c_str(), Widen(frameCopyFolder + "/frame.jpg").c_str(), FALSE);
  }
  RemoveFolderTree(folder);
  return made;
}

struct TickTimes {
  std::vector<double> handler, panel, rest;
  double processor = 0;  // per tick
};

// Opens the recording with 按钮1 as the user would on a standing clock, then raises each tick
// itself when its frame is due and paints at once what the tick changed, so the draw is counted.
TickTimes TimeTicks(const std::string& recording) {
  TickTimes times;
  if (!LoadWindow(kId, 0, false)) return times;
  StandTheClockStill();
  AnswerFileDialogsWith(recording);
  ClickButton({kId, 按钮1});
  AwaitRecordingUnpacked();
  ProcessPendingEvents();
  if (PlayerFrameCount != kFrames) return times;
  const HWND window = WindowHandle(kId);
  Control* panel = FindLiveControl({kId, 画板});
  if (!window || !panel) return times;
  const double processorBefore = ProcessorMilliseconds();
  for (int tick = 1; tick <= kFrames; ++tick) {
    const double start = NowMilliseconds();
    TickPlaybackOnTime();
    const double handled = NowMilliseconds();
    UpdateWindow(panel->hwnd());
    const double panelPainted = NowMilliseconds();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double windowPainted = NowMilliseconds();
    times.handler.push_back(handled - start);
    times.panel.push_back(panelPainted - handled);
    times.rest.push_back(windowPainted - panelPainted);
    ProcessPendingEvents();
    const double spent = NowMilliseconds() - start;
    if (spent < kTickBudgetMilliseconds) Sleep(static_cast<DWORD>(kTickBudgetMilliseconds - spent));
  }
  times.processor = (ProcessorMilliseconds() - processorBefore) / kFrames;
  return times;
}

// The decoding alone, as the panel decodes each frame: over the bitmap of the frame before.
double MedianDecode() {
  std::vector<double> times;
  std::unique_ptr<DecodedPicture> picture;
  for (int frame = 1; frame <= kFrames; ++frame) {
    const ByteString bytes = ReadWholeFile(PlayedFramePath(ExtractionFolder, frame));
    const double start = NowMilliseconds();
    picture = DecodedPicture::Decode(ByteSpan(bytes.data(), bytes.size()), std::move(picture));
    times.push_back(NowMilliseconds() - start);
    Sleep(static_cast<DWORD>(kTickBudgetMilliseconds / 2));
  }
  return Median(times);
}

void Report(const TickTimes& times, double decode) {
  const double handler = Median(times.handler), panel = Median(times.panel), rest = Median(times.rest);
  const int panelWidth = ReadInt({kId, 画板}, common_property::kWidth);
  const int panelHeight = ReadInt({kId, 画板}, common_property::kHeight);
  std::printf("figures play_panel_width=%d play_panel_height=%d play_handler_ms=%.2f play_paint_ms=%.2f "
              "play_decode_ms=%.2f play_draw_ms=%.2f play_rest_ms=%.2f play_tick_ms=%.2f play_cpu_ms=%.2f\n",
              panelWidth, panelHeight, handler, panel, decode, panel - decode, rest, handler + panel + rest,
              times.processor);
}

void MeasurePlayback(const std::string& frameCopyFolder) {
  const std::string recording = SpecialFolderPath(kTemporaryFolder) + "velmo-playback-bench.vmrc";
  if (MakeRecording(recording, frameCopyFolder)) {
    const TickTimes times = TimeTicks(recording);
    if (times.handler.empty()) {
      std::printf("the recording did not open\n");
    } else {
      Report(times, MedianDecode());
    }
  } else {
    std::printf("the recording could not be made\n");
  }
  // Closing the player removes its extraction folder.
  if (IsWindowLoaded(kId)) DestroyWindow(kId, true);
  DeleteFileW(Widen(recording).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string frameCopyFolder = argc > 1 ? argv[1] : "";
  RunInBenchProgram([&] { MeasurePlayback(frameCopyFolder); });
  return 0;
}
