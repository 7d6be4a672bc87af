// The rate a take keeps at each frame rate, on the program's own clock and 时钟1: the whole
// 1920x1080 screen and a 1280x720 region, each for a few seconds of the busy desktop with its
// editor scrolling (the snapshot paints the bench's pictures, SetScreenStandIn), then one long
// take at 30 a second. For each: the frames the take holds, the snapshots it took (a frame the
// clock repeated took none), the rate of snapshots sustained, and the drift of the take's length
// (frames ÷ rate) from the stopwatch's time from frame 1 to 停止, which a take that keeps time
// holds between 0 and one frame period. Prints "figures" lines; an optional argument gives the long
// take's seconds (120 unless set).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/screen_snapshot.h"
#include "app/recording/frame_rate.h"
#include "app/settings/settings.h"
#include "components/services/services.h"
#include "bench/bench_clock.h"
#include "bench/bench_program.h"
#include "bench/take_pictures.h"
#include "forms/recorder_window.h"

namespace {

constexpr double kShortTakeSeconds = 6;

// One take of `area` (empty: the whole screen) at `rate`, timed from 录制 to 停止.
void MeasureTake(const char* name, int rate, const ScreenArea& area, double seconds) {
  Settings settings = CurrentSettings();
  settings.frameRate = rate;
  settings.captureChoice = area.IsEmpty() ? CaptureChoice::FullScreen : CaptureChoice::Region;
  settings.captureArea = area;
  SetCurrentSettings(settings);
  const ScreenSize size = area.IsEmpty() ? PrimaryScreenSize() : ScreenSize{area.width, area.height};
  TakePictures scene(TakeScene::kScrolling, size.width, size.height);
  take_pictures_on_screen::Use(&scene);
  const ScreenStandIn screen = SetScreenStandIn(take_pictures_on_screen::PaintNext);
  // From frame 1, which StartTake captures last, to 停止, before it waits for the writer.
  StartTake();
  const double start = NowMilliseconds();
  RunMessageLoopFor(seconds * 1000);
  const double elapsed = (NowMilliseconds() - start) / 1000;
  StopRecording();
  SetScreenStandIn(screen);
  const int snapshots = take_pictures_on_screen::Painted();
  take_pictures_on_screen::Use(nullptr);
  // The next take starts without the question about this one.
  RemoveFolderTree(FrameFolder);
  std::printf("figures take_rate_%s_%d_frames=%d take_rate_%s_%d_snapshots=%d take_rate_%s_%d_sustained=%.2f "
              "take_rate_%s_%d_drift_ms=%.1f take_rate_%s_%d_seconds=%.2f\n",
              name, rate, FrameCount, name, rate, snapshots, name, rate, snapshots / elapsed, name, rate,
              (FrameSeconds(FrameCount, rate) - elapsed) * 1000, name, rate, elapsed);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const double longSeconds = argc > 1 ? std::atof(argv[1]) : 120;
  RunInBenchProgram([longSeconds] {
    if (!LoadWindow(RecorderWindow::kId, 0, false)) return;
    for (const int rate : kOfferedFrameRates) {
      MeasureTake("screen", rate, {}, kShortTakeSeconds);
      MeasureTake("region", rate, {0, 0, 1280, 720}, kShortTakeSeconds);
    }
    if (longSeconds > 0) MeasureTake("long", 30, {0, 0, 1280, 720}, longSeconds);
  });
  return 0;
}
