// Ticks leave nothing behind: the process holds as many GDI objects, windows and handles after
// 200 capture ticks, and after 200 playback ticks that each paint their frame, as after 10.
// (The benchmarks count after 1,000.)
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recording/recording_file.h"
#include "bench/process_resources.h"
#include "components/services/wide_text.h"
#include "forms/recorder_window.h"
#include "controls/property_indexes.h"
#include "tests/controls/program_run.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kFirstTicks = 10;
constexpr int kAllTicks = 200;

void ExpectSameResources(const ProcessResources& after10, const ProcessResources& after200) {
  EXPECT_EQ(after200.gdiObjects, after10.gdiObjects) << "GDI objects";
  EXPECT_EQ(after200.userObjects, after10.userObjects) << "USER objects";
  EXPECT_EQ(after200.handles, after10.handles) << "handles";
  EXPECT_GT(after10.gdiObjects, 0) << "the count answered";
}

void CaptureTicks(int count) {
  EventRecord tick{RecorderWindow::kId, RecorderWindow::时钟1, 0, {}, {}};
  for (int i = 0; i < count; ++i) CaptureTick(tick);
}

// What the process holds once the take's writer has caught up, so a file it has open for a
// frame it is writing just then is not counted.
ProcessResources ResourcesOnceWritten() {
  PumpFor(500);
  return CurrentProcessResources();
}

TEST(ResourceUse, CaptureTicksHoldNoMoreAfter200ThanAfter10) {
  ProcessResources after10, after200;
  RunRecorder([&] {
    Click(RecorderWindow::按钮1);
    WriteProperty({RecorderWindow::kId, RecorderWindow::时钟1}, timer_property::kInterval, 0);
    CaptureTicks(kFirstTicks - 1);
    after10 = ResourcesOnceWritten();
    CaptureTicks(kAllTicks - kFirstTicks);
    after200 = ResourcesOnceWritten();
    Click(RecorderWindow::按钮2);
  });
  ExpectSameResources(after10, after200);
}

// Five frames played over and over: each tick's frame is decoded and drawn at once, and 播放
// plays them again once a tick has ended playback.
void PaintedTicks(int count) {
  for (int i = 0; i < count; ++i) {
    if (PlayerButtonEnabled(PlayerWindow::播放按钮)) ClickPlayer(PlayerWindow::播放按钮);
    Tick();
    UpdateWindow(LiveHwnd(Player(PlayerWindow::画板)));
  }
}

TEST(ResourceUse, PlaybackTicksHoldNoMoreAfter200ThanAfter10) {
  TempFolder scratch;
  RecordingEntries entries;
  const Pixel colours[] = {{230, 20, 20}, {20, 200, 40}, {20, 40, 230}, {240, 140, 20}, {90, 90, 90}};
  for (int n = 1; n <= 5; ++n) entries.push_back({std::to_string(n) + ".jpg", JpegFrame(320, 240, colours[n - 1])});
  WriteRecording(scratch / "take.vmrc", entries);
  ProcessResources after10, after200;
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "take.vmrc");
    PaintedTicks(kFirstTicks);
    after10 = CurrentProcessResources();
    PaintedTicks(kAllTicks - kFirstTicks);
    after200 = CurrentProcessResources();
  });
  ExpectSameResources(after10, after200);
}

}  // namespace
