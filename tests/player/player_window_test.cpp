// Playing recordings in PlayerWindow: the time texts, the progress bar, the buttons through
// play, pause and stop, playback at each rate, the layout around the first frame, and which
// files count as frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "app/player/player_state.h"
#include "app/recording/frame_rate.h"
#include "components/services/services.h"
#include "controls/property_indexes.h"
#include "tests/controls/program_run.h"
#include "tests/controls/screenshot.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"
#include "tools/drive/keyboard.h"

namespace {

using namespace PlayerWindow;

constexpr Pixel kRed{230, 20, 20};
constexpr Pixel kGreen{20, 200, 40};
constexpr Pixel kBlack{0, 0, 0};

// Frame 1 red, the others green, entries from the last frame down: readers must not rely on
// the order.
RecordingEntries RedThenGreen(int frames, int width = 64, int height = 48) {
  const Bytes red = JpegFrame(width, height, kRed);
  const Bytes green = JpegFrame(width, height, kGreen);
  RecordingEntries entries;
  for (int n = frames; n >= 1; --n) entries.push_back({std::to_string(n) + ".jpg", n == 1 ? red : green});
  return entries;
}

TEST(PlayerWindow, ARecordingOf123FramesPlaysToTheEndAndRewinds) {
  TempFolder scratch;
  WriteRecording(scratch / "take.vmrc", RedThenGreen(123));
  RunRecorder([&] {
    OpenPlayer();
    ExpectButtons(false, false, false);
    OpenRecordingFile(scratch / "take.vmrc");
    EXPECT_EQ(TimeText(), "时长:0/12.3秒");
    ExpectButtons(false, true, true);
    EXPECT_GT(ClockInterval(), 0);

    Tick();
    EXPECT_TRUE(PixelNear(PanelCentre(), kRed)) << "the first tick shows frame 1";
    EXPECT_EQ(TimeText(), "时长:0.1/12.3秒");
    EXPECT_EQ(ProgressShown(), 2);
    Tick(24);
    EXPECT_EQ(TimeText(), "时长:2.5/12.3秒");
    EXPECT_TRUE(PixelNear(PanelCentre(), kGreen));
    Tick(98);
    EXPECT_EQ(TimeText(), "时长:12.3/12.3秒");
    EXPECT_EQ(ReadInt(Player(进度条1), process_bar_property::kMaximum), 123);
    EXPECT_EQ(ProgressShown(), ProgressMaximumShown()) << "given 124, the bar shows full";

    Tick();
    EXPECT_EQ(TimeText(), "时长:0/12.3秒");
    EXPECT_EQ(ProgressShown(), 0);
    EXPECT_TRUE(PixelNear(PanelCentre(), kRed)) << "stopped on frame 1";
    ExpectButtons(true, false, false);
    EXPECT_EQ(ClockInterval(), 0);

    ClickPlayer(播放按钮);
    Tick();
    EXPECT_EQ(TimeText(), "时长:0.1/12.3秒") << "played again from frame 1";
  });
}

struct FrameLayout {
  int frameWidth;
  int panelWidth;
  int windowWidth;
  int progressWidth;
  int labelLeft;
  int scaleWidth;
  int scaleLeft;
  int windowLeft;
};

// Panel height 384, window height 456, 进度条1 at top 388, 标签1 at 386, buttons at 404 and the
// window's top at 156 hold for both, on the 1024x768 test screen.
class FirstFrameLayout : public testing::TestWithParam<FrameLayout> {};

TEST_P(FirstFrameLayout, TheWindowFitsEightyPercentOfTheFirstFrame) {
  const FrameLayout& expected = GetParam();
  TempFolder scratch;
  WriteRecording(scratch / "layout.vmrc", RedThenGreen(3, expected.frameWidth, 480));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "layout.vmrc");
    using namespace common_property;
    EXPECT_EQ(ReadInt(Player(画板), kWidth), expected.panelWidth);
    EXPECT_EQ(ReadInt(Player(画板), kHeight), 384);
    RECT window;
    GetWindowRect(LiveHwnd(Player(kId)), &window);
    EXPECT_EQ(window.right - window.left, expected.windowWidth);
    EXPECT_EQ(window.bottom - window.top, 456);
    EXPECT_EQ(window.left, expected.windowLeft);
    EXPECT_EQ(window.top, 156);
    EXPECT_EQ(ReadInt(Player(进度条1), kWidth), expected.progressWidth);
    EXPECT_EQ(ReadInt(Player(进度条1), kTop), 388);
    EXPECT_EQ(ReadInt(Player(标签1), kTop), 386);
    EXPECT_EQ(ReadInt(Player(标签1), kLeft), expected.labelLeft);
    for (UnitId button : {按钮1, 播放按钮, 暂停按钮, 终止按钮, 静音按钮, 按钮2}) EXPECT_EQ(ReadInt(Player(button), kTop), 404);
    EXPECT_EQ(ReadInt(Player(标签2), kWidth), expected.scaleWidth);
    EXPECT_EQ(ReadInt(Player(标签2), kLeft), expected.scaleLeft);
    EXPECT_EQ(ReadText(Player(标签2), label_property::kCaption), "规格:80%");
    EXPECT_EQ(ReadInt(Player(进度条1), process_bar_property::kMaximum), 3);
  });
}

INSTANTIATE_TEST_SUITE_P(PlayerWindow, FirstFrameLayout,
                         testing::Values(FrameLayout{640, 512, 518, 404, 416, 92, 413, 253},
                                         // 641 × 0.8 = 512.8, truncated.
                                         FrameLayout{641, 512, 518, 404, 416, 92, 413, 253},
                                         FrameLayout{1000, 800, 806, 692, 704, 150, 644, 109}));

// True when `inner` (screen coordinates) lies within the work area.
testing::AssertionResult InsideWorkArea(const RECT& inner, const char* what) {
  const ScreenArea work = PrimaryWorkArea();
  if (inner.left >= work.left && inner.top >= work.top && inner.right <= work.left + work.width &&
      inner.bottom <= work.top + work.height)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << what << " (" << inner.left << ", " << inner.top << ")-(" << inner.right << ", "
                                     << inner.bottom << ") leaves the work area (" << work.left << ", " << work.top
                                     << ") " << work.width << "x" << work.height;
}

// A recording taken on a 2560x1440 screen, played on the 1024x768 test screen: the window stays
// inside the work area with every button in reach, and the panel keeps the frame's proportions
// with the frame shrunk to fill it.
TEST(PlayerWindow, ARecordingLargerThanTheScreenOpensOnTheScreen) {
  TempFolder scratch;
  WriteRecording(scratch / "large.vmrc", RedThenGreen(2, 2560, 1440));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "large.vmrc");
    RECT window;
    GetWindowRect(LiveHwnd(Player(kId)), &window);
    EXPECT_TRUE(InsideWorkArea(window, "the window"));
    for (UnitId button : {按钮1, 播放按钮, 暂停按钮, 终止按钮, 静音按钮, 按钮2}) {
      RECT place;
      GetWindowRect(LiveHwnd(Player(button)), &place);
      EXPECT_TRUE(InsideWorkArea(place, "a button"));
    }
    using namespace common_property;
    const int panelWidth = ReadInt(Player(画板), kWidth);
    const int panelHeight = ReadInt(Player(画板), kHeight);
    EXPECT_LT(panelWidth, 2048);
    EXPECT_NEAR(panelWidth * 1440.0 / 2560, panelHeight, 1.0);
    Tick();
    const Picture shown = PanelOnScreen();
    ASSERT_GT(shown.width, 4);
    // The panel's border takes a little more of its width than of its height, so the fitted
    // frame leaves a few black columns at each side and none above or below.
    for (const auto& [x, y] : {std::pair{6, 1}, std::pair{shown.width - 7, 1}, std::pair{6, shown.height - 2},
                               std::pair{shown.width - 7, shown.height - 2}}) {
      EXPECT_TRUE(PixelNear(shown.At(x, y), kRed)) << x << ", " << y;
    }
  });
}

// A picture narrower than the row of buttons sits centred on black in a panel as wide as the
// row, and 说明 shows whole.
TEST(PlayerWindow, ASmallPictureSitsCentredAboveTheWholeRowOfButtons) {
  TempFolder scratch;
  WriteRecording(scratch / "small.vmrc", RedThenGreen(2, 320, 240));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "small.vmrc");
    Tick();
    RECT client, button;
    GetClientRect(LiveHwnd(Player(kId)), &client);
    GetWindowRect(LiveHwnd(Player(按钮2)), &button);
    MapWindowPoints(nullptr, LiveHwnd(Player(kId)), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_LE(button.right, client.right) << "说明 cut off at the right";
    const Picture shown = PanelOnScreen();
    int left = 0, right = shown.width - 1;
    while (left < right && !PixelNear(shown.At(left, shown.height / 2), kRed)) ++left;
    while (right > left && !PixelNear(shown.At(right, shown.height / 2), kRed)) --right;
    EXPECT_GT(left, 20) << "black at the sides";
    EXPECT_NEAR(left, shown.width - 1 - right, 1) << "the picture centred";
  });
}

TEST(PlayerWindow, PauseKeepsThePlaceAndPlayReCentresTheWindow) {
  TempFolder scratch;
  WriteRecording(scratch / "pause.vmrc", RedThenGreen(5, 640, 480));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "pause.vmrc");
    Tick(2);
    ClickPlayer(暂停按钮);
    ExpectButtons(true, false, true);
    EXPECT_EQ(ClockInterval(), 0);
    EXPECT_EQ(TimeText(), "时长:0.2/0.5秒");
    SetWindowPos(LiveHwnd(Player(kId)), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ClickPlayer(播放按钮);
    RECT window;
    GetWindowRect(LiveHwnd(Player(kId)), &window);
    EXPECT_EQ(window.left, 253);
    EXPECT_EQ(window.top, 156);
    ExpectButtons(false, true, true);
    Tick();
    EXPECT_EQ(TimeText(), "时长:0.3/0.5秒") << "resumed at the next frame";
    ClickPlayer(终止按钮);
    ExpectButtons(true, false, false);
    EXPECT_EQ(TimeText(), "时长:0/0.5秒");
  });
}

struct CountCase {
  const char* what;
  std::vector<std::string> names;
  std::string timeText;
};

class FrameCount : public testing::TestWithParam<CountCase> {};

// Any root-level file ending in .jpg is a frame; folders and bitmaps are not.
TEST_P(FrameCount, RootLevelJpegFilesAreCounted) {
  const CountCase& testCase = GetParam();
  TempFolder scratch;
  const Bytes frame = JpegFrame(32, 24, kRed);
  RecordingEntries entries;
  for (const std::string& name : testCase.names) entries.push_back({name, name.back() == '/' ? Bytes{} : frame});
  WriteRecording(scratch / "count.vmrc", entries);
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "count.vmrc");
    EXPECT_EQ(TimeText(), testCase.timeText) << testCase.what;
  });
}

INSTANTIATE_TEST_SUITE_P(
    PlayerWindow, FrameCount,
    testing::Values(CountCase{"one frame", {"1.jpg"}, "时长:0/0.1秒"},
                    CountCase{"ten frames", {"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg", "7.jpg", "8.jpg",
                                             "9.jpg", "10.jpg"}, "时长:0/1秒"},
                    CountCase{"a cover raises the count", {"1.jpg", "2.jpg", "cover.jpg"}, "时长:0/0.3秒"},
                    CountCase{"bitmap leftovers do not count", {"1.jpg", "7.bmp"}, "时长:0/0.1秒"},
                    CountCase{"frames in a folder do not count", {"frames/", "frames/1.jpg", "frames/2.jpg"},
                              "时长:0/0秒"}));

TEST(PlayerWindow, ARecordingWithoutFramesStopsAtTheFirstTick) {
  TempFolder scratch;
  WriteRecording(scratch / "empty.vmrc", {{"notes.txt", Bytes{'h', 'i'}}});
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "empty.vmrc");
    EXPECT_EQ(TimeText(), "时长:0/0秒");
    Tick();
    ExpectButtons(true, false, false);
    EXPECT_TRUE(PixelNear(PanelCentre(), kBlack, 0)) << "no picture on the black panel";
  });
}

TEST(PlayerWindow, CancellingTheOpenDialogLetsPlaybackGoOn) {
  TempFolder scratch;
  WriteRecording(scratch / "take.vmrc", RedThenGreen(4));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "take.vmrc");
    Tick(2);
    const std::string folder = ExtractionFolder;
    OpenRecordingFile("");
    EXPECT_EQ(ExtractionFolder, folder);
    ExpectButtons(false, true, true);
    Tick();
    EXPECT_EQ(TimeText(), "时长:0.3/0.4秒");
  });
}

// 打开 again while the open dialog of the first waits in its own loop: one dialog, one open.
TEST(PlayerWindow, OpenAgainWhileTheOpenDialogWaitsAsksNothing) {
  TempFolder scratch;
  WriteRecording(scratch / "take.vmrc", RedThenGreen(4));
  RunRecorder([&] {
    OpenPlayer();
    WhileFileDialogOpen([] { ClickPlayer(按钮1); });
    OpenRecordingFile(scratch / "take.vmrc");
    EXPECT_EQ(FileDialogsAsked().size(), 1u);
    EXPECT_EQ(PlayerFrameCount, 4);
  });
}

// Longer than 54 minutes 36.7 seconds: the bar stops at its limit, the texts and playback go
// on. Unpacking 32,768 files takes minutes under Wine, so a short recording stands in and the
// count is set as an open of a long one would leave it; frames above 3 show no picture.
TEST(PlayerWindow, MoreFramesThanTheProgressBarHolds) {
  TempFolder scratch;
  WriteRecording(scratch / "short.vmrc", RedThenGreen(3));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "short.vmrc");
    PlayerFrameCount = 32768;
    ClickPlayer(暂停按钮);
    NextFrame = 32765;
    ClickPlayer(播放按钮);
    EXPECT_EQ(ProgressMaximumShown(), 32767);
    Tick();
    EXPECT_EQ(TimeText(), "时长:3276.5/3276.8秒");
    EXPECT_EQ(ProgressShown(), 32766);
    Tick();
    EXPECT_EQ(ProgressShown(), 32767) << "full from frame 32766 on";
    Tick(2);
    EXPECT_EQ(TimeText(), "时长:3276.8/3276.8秒");
    EXPECT_EQ(ProgressShown(), 32767);
    Tick();
    EXPECT_EQ(TimeText(), "时长:0/3276.8秒");
    EXPECT_TRUE(PlayerButtonEnabled(播放按钮));
  });
}

TEST(PlayerWindow, TheInformationBoxSaysWhatThePlayerIs) {
  RunRecorder([] {
    OpenPlayer();
    ClickPlayer(按钮2);
  });
  ASSERT_EQ(Seen().questions.size(), 1u);
  EXPECT_EQ(Seen().captions[0], "说明：");
  EXPECT_EQ(Seen().styles[0] & (MB_TYPEMASK | MB_ICONMASK), unsigned{MB_OK | MB_ICONINFORMATION});
  const std::string& text = Seen().questions[0];
  EXPECT_EQ(text.rfind("    本程序是《Velmo屏幕录像器》的专用数据播放软件，\r\n能用来播放其所生成的vmrc格式文件。\r\n\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n" + std::string(25, ' ') + "作者网站："), std::string::npos);
  EXPECT_NE(text.find("\r\n" + std::string(22, ' ') + "Emaill："), std::string::npos);
}

// Recordings at each offered rate on the test clock: the frame on 画板 is the one for the time
// played however the ticks come, the length reads at the recording's rate, and Ctrl+→ steps a
// second of frames.
constexpr int kRateFrames = 40;
// Their length as 标签1 reads it; a recording at ten has no rate entry.
const std::map<int, std::string> kLengths = {{10, "4"}, {15, "2.6"}, {20, "2"}, {30, "1.3"}};
// Ticks in milliseconds of playback: on time, late, twice in a frame's time, after ticks that
// never came, and long after the last frame's time, which still shows before the end.
constexpr int64_t kTickMoments[] = {0, 45, 130, 131, 500, 523, 1000, 1290, 4600};

int FrameAt(int64_t microseconds, int rate) {
  return std::min<int64_t>(microseconds * rate / 1'000'000 + 1, kRateFrames);
}

class PlaybackAtItsRate : public testing::TestWithParam<int> {};

TEST_P(PlaybackAtItsRate, ShowsTheFrameForTheTimePlayedAndEndsAfterTheLastFrame) {
  const int rate = GetParam();
  TempFolder scratch;
  WriteRecording(scratch / "rate.vmrc", FramesOfTheirOwnColours(kRateFrames, rate));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "rate.vmrc");
    EXPECT_EQ(TimeText(), "时长:0/" + kLengths.at(rate) + "秒");
    SetForegroundWindow(LiveHwnd(Player(kId)));
    PumpFor(50);
    PressKey(VK_HOME);
    PressKeys({VK_CONTROL, VK_RIGHT});
    EXPECT_EQ(FrameOnScreen(kRateFrames), 1 + rate) << "Ctrl+→ steps a second";
    ClickPlayer(终止按钮);
    ClickPlayer(播放按钮);
    for (int64_t played = 0; const int64_t moment : kTickMoments) {
      TickAfter((moment - std::exchange(played, moment)) * 1000);
      const int frame = FrameAt(moment * 1000, rate);
      EXPECT_EQ(FrameOnScreen(kRateFrames), frame) << moment << " ms";
      EXPECT_EQ(TimeText(), "时长:" + FrameSecondsText(frame, rate) + "/" + kLengths.at(rate) + "秒");
    }
    Tick();
    ExpectButtons(true, false, false);
  });
}

INSTANTIATE_TEST_SUITE_P(PlayerWindow, PlaybackAtItsRate, testing::Values(10, 15, 20, 30),
                         [](const testing::TestParamInfo<int>& info) { return "At" + std::to_string(info.param); });

TEST(PlayerWindow, PictureDuringPlayback) {
  TempFolder scratch;
  WriteRecording(scratch / "picture.vmrc", RedThenGreen(20, 640, 480));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "picture.vmrc");
    PumpFor(700);
    EXPECT_TRUE(WriteWindowPicture(LiveHwnd(Player(kId)), PicturePath("player_window_playing.png")));
  });
}

}  // namespace
