// A take from start to playback, as a user makes it: record a moving picture on the test
// screen, save it at 80 percent through SaveDialog, open it in PlayerWindow and play it to the
// end; every frame shown on 画板 is the frame captured at that place in the take.
// tests/end_to_end/end_to_end.sh runs it and checks the recording with Info-ZIP.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "app/recorder/recorder_state.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "controls/event_delivery.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/controls/program_run.h"
#include "tests/controls/screenshot.h"
#include "tests/end_to_end/moving_picture.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/files.h"

namespace {

// The difference between a captured screen frame and what the panel shows, as the mean over a
// grid of screen points of the summed channel differences; the panel shows the screen shrunk to
// fit, centred.
double Difference(const Picture& screen, const Picture& panel) {
  const double scale = std::min(static_cast<double>(panel.width) / screen.width,
                                static_cast<double>(panel.height) / screen.height);
  const double left = (panel.width - screen.width * scale) / 2;
  const double top = (panel.height - screen.height * scale) / 2;
  double total = 0;
  int points = 0;
  for (int sy = 8; sy < screen.height; sy += 24) {
    for (int sx = 8; sx < screen.width; sx += 24) {
      const Pixel a = screen.At(sx, sy);
      const Pixel b = panel.At(static_cast<int>(left + sx * scale), static_cast<int>(top + sy * scale));
      total += std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
      ++points;
    }
  }
  return total / points;
}

std::string OutputFolder() {
  const char* folder = std::getenv("VELMO_E2E_FOLDER");
  return folder ? folder : "";
}

TEST(EndToEnd, RecordSaveAndPlayATakeOfAMovingPicture) {
  const std::string folder = OutputFolder();
  ASSERT_FALSE(folder.empty()) << "run through end_to_end.sh, which names the output folder";
  const std::string recording = folder + "\\take.vmrc";
  std::vector<Picture> captured;
  RunRecorder([&] {
    {
      MovingPicture picture;
      PumpFor(200);
      Click(RecorderWindow::按钮1);
      // A frame period after another, with the picture moving between them.
      for (int tick = 0; tick < 14; ++tick) {
        PumpFor(100);
        CaptureTicks(1);
      }
      Click(RecorderWindow::按钮2);
    }
    for (int n = 1; n <= FrameCount; ++n)
      captured.push_back(DecodedPicture(TakeFrameFile(n)));
    ASSERT_GE(captured.size(), 5u) << "a take of 1.5 seconds";

    AnswerFileDialogsWith(recording);
    WhenLoaded(SaveDialog::kId, [] { PostClick({SaveDialog::kId, SaveDialog::保存按钮}); });
    Click(RecorderWindow::按钮3);
    ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + recording + "”保存成功!"});

    RaiseEvent(RecorderWindow::kId, RecorderWindow::菜单_隐藏, 0);
    OpenPlayer();
    OpenRecordingFile(recording);
    const int frames = static_cast<int>(captured.size());
    for (int n = 1; n <= frames; ++n) {
      Tick();
      const Picture shown = PanelOnScreen();
      ASSERT_GT(shown.width, 0);
      double best = 1e9;
      int bestFrame = 0;
      for (int m = 1; m <= frames; ++m) {
        const double difference = Difference(captured[m - 1], shown);
        if (difference < best) best = difference, bestFrame = m;
      }
      const double own = Difference(captured[n - 1], shown);
      EXPECT_LT(own, 12.0) << "tick " << n << " shows frame " << n;
      EXPECT_LE(own, best + 1.0) << "tick " << n << " looks most like frame " << bestFrame;
    }
    Tick();
    EXPECT_TRUE(PlayerButtonEnabled(PlayerWindow::播放按钮)) << "playback ended after the last frame";

    UseSystemClock();
    ClickPlayer(PlayerWindow::播放按钮);
    PumpFor(500);
    EXPECT_TRUE(WriteWindowPicture(LiveHwnd(Player(PlayerWindow::kId)), PicturePath("end_to_end_playing.png")));
    PumpFor(frames * 100 + 600);
    EXPECT_TRUE(PlayerButtonEnabled(PlayerWindow::播放按钮)) << "the timer played to the end by itself";
    EXPECT_EQ(TimeText(), "时长:0/" + FrameSecondsText(frames, kDefaultFrameRate) + "秒");
  });
  std::ofstream(folder + "\\frames.txt") << captured.size() << "\n";
}

}  // namespace
