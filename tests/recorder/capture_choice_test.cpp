// What a take records, chosen as a user chooses it: from 录制范围 with the real overlay, the real
// mouse and keys; a region dragged over a known picture and a window picked by a click record
// exactly their pixels, the overlay cancelled and the countdown ended start nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <cstdio>
#include <vector>

#include "app/recorder/area_picker.h"
#include "app/recorder/capture_area.h"
#include "app/recorder/countdown_window.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "controls/event_delivery.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"
#include "tests/recorder/colour_patch.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/settings_for_test.h"
#include "tests/recorder/user_alongside.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"

namespace {

using namespace RecorderWindow;

// Two windows side by side, green then red, 201 × 101 together: an odd size, and a column that
// tells an offset of one pixel.
constexpr RECT kGreenPlace{300, 200, 400, 301};
constexpr RECT kRedPlace{400, 200, 501, 301};
constexpr Pixel kGreen{30, 160, 90};
constexpr Pixel kRed{200, 40, 30};

COLORREF Colour(Pixel p) { return RGB(p.red, p.green, p.blue); }

void Drag(POINT from, POINT to) {
  MoveMouseTo(from);
  PressLeftButton();
  MoveMouseTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
  MoveMouseTo(to);
  ReleaseLeftButton();
}

// The user's steps once the overlay is up, while 录制范围's item runs.
bool ChooseWithOverlay(UnitId item, const std::function<void()>& steps) {
  const UserSide user = RunWhileUserActs(kAreaPickerClass, steps, [item] { RaiseEvent(kId, item, 0); });
  return user.sawWindow && !user.leftOpen;
}

Picture FrameSeen(int n) { return DecodedPicture(TakeFrameFile(n)); }

TEST(CaptureChoice, ARegionDraggedOverAPictureRecordsExactlyItsPixels) {
  const ColourPatch green(kGreenPlace, Colour(kGreen)), red(kRedPlace, Colour(kRed));
  RunRecorder([] {
    ASSERT_TRUE(ChooseWithOverlay(菜单_区域, [] {
      Drag({300, 200}, {500, 300});
      MoveMouseTo({700, 600});
      PressKey(VK_RETURN);
    }));
    ASSERT_TRUE(TakeIsRunning());
    CaptureTicks(2);
    Click(按钮2);
    EXPECT_EQ(CurrentSettings().captureChoice, CaptureChoice::Region);
    EXPECT_EQ(CurrentSettings().captureArea, (ScreenArea{300, 200, 201, 101}));
    for (int n = 1; n <= FrameCount; ++n) {
      const Picture frame = FrameSeen(n);
      ASSERT_EQ(frame.width, 201);
      ASSERT_EQ(frame.height, 101);
      for (const POINT at : {POINT{0, 0}, POINT{99, 100}}) EXPECT_TRUE(PixelNear(frame.At(at.x, at.y), kGreen, 0)) << n;
      for (const POINT at : {POINT{100, 0}, POINT{200, 100}}) EXPECT_TRUE(PixelNear(frame.At(at.x, at.y), kRed, 0)) << n;
    }
  });
}

TEST(CaptureChoice, AWindowPickedByAClickRecordsItsRectangle) {
  const ColourPatch red(kRedPlace, Colour(kRed));
  RunRecorder([] {
    ASSERT_TRUE(ChooseWithOverlay(菜单_窗口, [] { ClickAt({450, 250}); }));
    Click(按钮2);
    const Picture frame = FrameSeen(1);
    EXPECT_EQ(frame.width, 101);
    EXPECT_EQ(frame.height, 101);
    EXPECT_TRUE(PixelNear(frame.At(0, 0), kRed, 0));
    EXPECT_TRUE(PixelNear(frame.At(100, 100), kRed, 0));
    EXPECT_EQ(CurrentSettings().captureChoice, CaptureChoice::Window);
  });
}

// Cancelling starts nothing and leaves the take before it, and the choice, as they were; so
// does ending the countdown before a take with Esc or 停止.
TEST(CaptureChoice, TheOverlayCancelledOrTheCountdownEndedStartsNothing) {
  const ColourPatch green(kGreenPlace, Colour(kGreen));
  struct Way {
    const char* what;
    std::function<bool()> end;
  };
  const Way ways[] = {
      {"Esc over the overlay", [] { return ChooseWithOverlay(菜单_区域, [] { PressKey(VK_ESCAPE); }); }},
      {"Esc during the countdown",
       [] {
         const UserSide user = RunWhileUserActs(kCountdownClass, [] { PressKey(VK_ESCAPE); }, [] { Click(按钮1); });
         return user.sawWindow && !user.leftOpen;
       }},
      {"停止 during the countdown",
       [] {
         const UserSide user = RunWhileUserActs(kCountdownClass, [] { ClickAt(RecorderHwnd(按钮2), {10, 10}); },
                                                [] { Click(按钮1); });
         return user.sawWindow && !user.leftOpen;
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    RunRecorder([&] {
      Click(按钮1);
      CaptureTicks(1);
      Click(按钮2);
      const SettingsForTest counting([](Settings& s) { s.countdownSeconds = 3; });
      ASSERT_TRUE(way.end());
      EXPECT_FALSE(TakeIsRunning());
      EXPECT_EQ(FrameCount, 2);
      EXPECT_EQ(CurrentTakeState(), TakeState::Stopped) << "the older take stays ready to save";
      EXPECT_EQ(CurrentSettings().captureChoice, CaptureChoice::FullScreen);
    });
  }
}

// Two monitors side by side, as this Wine cannot show them: the list stands in for the system's
// on one screen 2048 pixels wide (tests/recorder/two_monitors.sh), the copy of the chosen
// monitor is real.
std::vector<ScreenArea> TwoMonitors() { return {{0, 0, 1024, 768}, {1024, 0, 1024, 768}}; }

TEST(CaptureChoice, TheSecondOfTwoMonitorsSideBySideRecordsOnlyThatMonitor) {
  if (GetSystemMetrics(SM_CXVIRTUALSCREEN) < 2048) GTEST_SKIP() << "needs a screen of 2048 × 768";
  const MonitorListStandIn system = SetMonitorListStandIn(TwoMonitors);
  const ColourPatch green({1024 + 100, 100, 1024 + 300, 300}, Colour(kGreen));
  RunRecorder([] {
    OfferCaptureChoices();
    EXPECT_EQ(ReadText({kId, 菜单_显示器2}, menu_item_property::kCaption), "显示器 2 (1024×768)");
    EXPECT_EQ(ReadInt({kId, 菜单_显示器2}, menu_item_property::kVisible), 1);
    EXPECT_EQ(ReadInt({kId, 菜单_显示器3}, menu_item_property::kVisible), 0);
    RaiseEvent(kId, 菜单_显示器2, 0);
    Click(按钮2);
    const Picture frame = FrameSeen(1);
    ASSERT_EQ(frame.width, 1024);
    ASSERT_EQ(frame.height, 768);
    for (const POINT at : {POINT{100, 100}, POINT{299, 299}}) EXPECT_TRUE(PixelNear(frame.At(at.x, at.y), kGreen, 0));
    EXPECT_FALSE(PixelNear(frame.At(99, 99), kGreen, 0));
    std::printf("frame of the second monitor: %dx%d\n", frame.width, frame.height);
  });
  SetMonitorListStandIn(system);
}

}  // namespace
