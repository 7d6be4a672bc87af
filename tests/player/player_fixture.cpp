#include "tests/player/player_fixture.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/player/player_handlers.h"
#include "components/imaging/imaging.h"
#include "controls/event_delivery.h"
#include "controls/painted/bitmap_file.h"
#include "controls/property_indexes.h"
#include "controls/event_index.h"
#include "forms/recorder_window.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"

using namespace PlayerWindow;

Bytes JpegFrame(int width, int height, Pixel colour) {
  TempFolder scratch;
  WriteBytes(scratch / "frame.bmp", TwoColourFrame(width, height, colour, colour));
  ConvertToJpeg(scratch / "frame.bmp", scratch / "frame.jpg", false, 80, true, 0);
  return ReadBytes(scratch / "frame.jpg");
}

void WriteRecording(const std::string& path, const RecordingEntries& entries) {
  std::vector<TestEntry> archive;
  for (const auto& [name, bytes] : entries) archive.push_back({.name = name, .data = std::string(bytes.begin(), bytes.end())});
  WriteBytes(path, BuildArchive(archive));
}

void OpenPlayer() { Click(RecorderWindow::按钮4); }

void ClickPlayer(UnitId button) { SendMessageW(LiveHwnd(Player(button)), BM_CLICK, 0, 0); }

void StartOpeningRecordingFile(const std::string& path) {
  AnswerFileDialogsWith(path);
  ClickPlayer(按钮1);
}

void OpenRecordingFile(const std::string& path) {
  StartOpeningRecordingFile(path);
  AwaitRecordingUnpacked();
}

void Tick(int count) {
  for (int i = 0; i < count; ++i) RaiseEvent(kId, 时钟, TimerEvent::kTick);
}

std::string TimeText() { return ReadText(Player(标签1), label_property::kCaption); }

bool PlayerButtonEnabled(UnitId button) { return IsWindowEnabled(LiveHwnd(Player(button))) != 0; }

void ExpectButtons(bool play, bool pause, bool stop) {
  EXPECT_EQ(PlayerButtonEnabled(播放按钮), play);
  EXPECT_EQ(PlayerButtonEnabled(暂停按钮), pause);
  EXPECT_EQ(PlayerButtonEnabled(终止按钮), stop);
  EXPECT_TRUE(PlayerButtonEnabled(按钮1));
  EXPECT_TRUE(PlayerButtonEnabled(按钮2));
}

int ClockInterval() { return ReadInt(Player(时钟), timer_property::kInterval); }

int ProgressShown() { return static_cast<int>(SendMessageW(LiveHwnd(Player(进度条1)), PBM_GETPOS, 0, 0)); }

int ProgressMaximumShown() {
  return static_cast<int>(SendMessageW(LiveHwnd(Player(进度条1)), PBM_GETRANGE, FALSE, 0));
}

Picture ClientOnScreen(HWND control) {
  UpdateWindow(control);
  RECT client;
  GetClientRect(control, &client);
  const SIZE size{client.right, client.bottom};
  const BitmapHandle copy = CopyClientArea(control, size);
  return copy ? DecodedPicture(BmpFileOfBitmap(copy.get(), size)) : Picture{};
}

Picture PanelOnScreen() { return ClientOnScreen(LiveHwnd(Player(画板))); }

Pixel PanelCentre() {
  const Picture shown = PanelOnScreen();
  return shown.width > 0 ? shown.At(shown.width / 2, shown.height / 2) : Pixel{};
}
