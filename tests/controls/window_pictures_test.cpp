// Pictures of the three windows as built, written into the build tree (tests/controls/
// screenshots) for a person to look at.
#include <gtest/gtest.h>
#include <windows.h>

#include "components/services/wide_text.h"
#include "controls/runtime_state.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "forms/settings_window.h"
#include "tests/controls/program_run.h"
#include "tests/controls/screenshot.h"
#include "tests/support/files.h"

namespace {
struct Picture {
  WindowId window;
  const char* name;
};

class WindowPictures : public testing::TestWithParam<Picture> {};

TEST_P(WindowPictures, AreWrittenAsPng) {
  const Picture picture = GetParam();
  const std::string path = PicturePath(std::string(picture.name) + ".png");
  RunInProgram([&] {
    ASSERT_TRUE(LoadWindow(picture.window, 0, false));
    PumpFor(300);
    ASSERT_TRUE(WriteWindowPicture(WindowHandle(picture.window), path));
  });
  const Bytes png = ReadBytes(path);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(png[2], 'N');
  EXPECT_EQ(png[3], 'G');
}

INSTANTIATE_TEST_SUITE_P(ThreeWindows, WindowPictures,
                         testing::Values(Picture{RecorderWindow::kId, "RecorderWindow"},
                                         Picture{SaveDialog::kId, "SaveDialog"},
                                         Picture{PlayerWindow::kId, "PlayerWindow"},
                                         Picture{SettingsWindow::kId, "SettingsWindow"}));
}  // namespace
