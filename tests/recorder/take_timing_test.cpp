// A take keeps time by the high-resolution clock, whatever its ticks do: the rules of the take's
// clock and of what a take records, then the real recorder under a clock that makes its ticks
// early, late, irregular and missing, at each frame rate.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/recorder/capture_area.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/screen_snapshot.h"
#include "app/recorder/take_clock.h"
#include "app/recording/frame_rate.h"
#include "components/services/file_bytes.h"
#include "controls/event_delivery.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/settings_for_test.h"

namespace {

using namespace RecorderWindow;

TEST(TakeClock, FrameNIsTheScreenAtNMinusOnePeriodsAndAPauseTakesItsTimeOut) {
  struct Case {
    int rate;
    int64_t at;  // µs after the start
    int64_t slot;
  };
  const Case cases[] = {
      {10, 0, 1},      {10, 99'999, 1}, {10, 100'000, 2},  {10, 1'090'000, 11},
      {15, 66'666, 1}, {15, 66'667, 2}, {15, 999'999, 15}, {15, 1'000'000, 16},
      {30, 33'333, 1}, {30, 33'334, 2}, {30, 600'000'000, 18'001},
  };
  for (const Case& c : cases) {
    TakeClock clock;
    clock.GoOnAt(5'000, 0, c.rate);
    EXPECT_EQ(clock.SlotAt(5'000 + c.at), c.slot) << c.rate << " a second, " << c.at << " µs";
    EXPECT_EQ(FrameSlotAt(FrameStartMicroseconds(static_cast<int>(c.slot), c.rate), c.rate), c.slot);
  }
  TakeClock resumed;
  resumed.GoOnAt(90'000'000, 7, 10);
  EXPECT_EQ(resumed.SlotAt(90'000'000), 8) << "the frame after the pause's is captured at once";
  EXPECT_EQ(resumed.SlotAt(90'099'999), 8);
  EXPECT_EQ(resumed.SlotAt(90'100'000), 9);
}

TEST(TakeArea, AChoiceComesToItsRectangleCutToTheScreen) {
  const ScreenArea screen{-1280, 0, 1280 + 1920, 1080};
  const ScreenArea region{100, 50, 321, 241};
  struct Case {
    const char* name;
    CaptureChoice choice;
    ScreenArea remembered;
    ScreenArea area;
  };
  const Case cases[] = {
      {"the full screen is the primary screen, measured at each snapshot", CaptureChoice::FullScreen, region, {}},
      {"a region as it was chosen, odd sizes kept", CaptureChoice::Region, region, region},
      {"a monitor left of the primary one", CaptureChoice::Monitor, {-1280, 0, 1280, 1024}, {-1280, 0, 1280, 1024}},
      {"a window partly off the screen is cut to it", CaptureChoice::Window, {1800, -20, 400, 300}, {1800, 0, 120, 280}},
      {"a monitor unplugged since records the full screen", CaptureChoice::Monitor, {3840, 0, 1920, 1080}, {}},
      {"less than the smallest region left records the full screen", CaptureChoice::Region, {1910, 0, 40, 40}, {}},
      {"a region never chosen records the full screen", CaptureChoice::Region, {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(TakeAreaFor(c.choice, c.remembered, screen), c.area) << c.name;
}

// Each snapshot paints a colour of its own, so a frame the take repeated is told from one it
// captured.
int snapshotsTaken = 0;
void NumberedPicture(HDC snapshot, int width, int height) {
  ++snapshotsTaken;
  const HBRUSH brush = CreateSolidBrush(RGB(snapshotsTaken * 40 % 256, snapshotsTaken * 7 % 256, 90));
  const RECT all{0, 0, width, height};
  FillRect(snapshot, &all, brush);
  DeleteObject(brush);
}

std::string Status() { return ReadText(kStatus, label_property::kCaption); }

class TakeTiming : public testing::TestWithParam<int> {};

// Ticks in frame periods after the start: early, late, a slot skipped twice over, a pause of ten
// seconds, then a gap of five seconds (the system asleep) taken out as a pause is.
TEST_P(TakeTiming, LateTicksWriteTheirSlotsFrameAndSkippedSlotsRepeatTheOneBefore) {
  const int rate = GetParam();
  const SettingsForTest settings([&](Settings& s) { s.frameRate = rate; });
  const int64_t period = 1'000'000 / rate;
  snapshotsTaken = 0;
  const ScreenStandIn system = SetScreenStandIn(NumberedPicture);
  struct Step {
    double periods;  // moved on before the tick
    int frames;
    int snapshots;
  };
  const Step steps[] = {{0.3, 1, 1}, {0.79, 2, 2}, {1.09, 3, 3}, {2.9, 6, 4}, {0.05, 6, 4}};
  RunRecorder([&] {
    Click(按钮1);
    EventRecord tick{kId, 时钟1, 0, {}, {}};
    for (const Step& step : steps) {
      MoveClockBy(static_cast<int64_t>(step.periods * period));
      CaptureTick(tick);
      EXPECT_EQ(FrameCount, step.frames) << step.periods;
      EXPECT_EQ(snapshotsTaken, step.snapshots) << step.periods;
    }
    EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), CaptureTickMilliseconds(rate));
    EXPECT_EQ(Status(), "录制：" + FrameSecondsText(6, rate) + "秒");

    RaiseEvent(kId, 菜单_暂停, 0);
    MoveClockBy(10'000'000);
    RaiseEvent(kId, 菜单_暂停, 0);
    EXPECT_EQ(FrameCount, 7) << "resumed, the next frame comes at once, the pause taken out";
    MoveClockBy(5'000'000);
    CaptureTick(tick);
    EXPECT_EQ(FrameCount, 8) << "a gap of five seconds is no part of the take";
    Click(按钮2);
    EXPECT_EQ(Status(), "停止：" + FrameSecondsText(8, rate) + "秒");
    for (int repeated : {4, 5}) EXPECT_EQ(TakeFrameFile(repeated), TakeFrameFile(3)) << repeated;
    EXPECT_NE(TakeFrameFile(6), TakeFrameFile(3));
    const std::vector<uint8_t> kept = ReadWholeFile(WorkingFolder() + "\\" + kFrameRateEntryName);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), rate == kDefaultFrameRate ? "" : FrameRateEntryText(rate));
  });
  SetScreenStandIn(system);
}

INSTANTIATE_TEST_SUITE_P(EachRate, TakeTiming, testing::ValuesIn(kOfferedFrameRates));

}  // namespace
