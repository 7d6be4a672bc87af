#include "tests/player/player_fixture.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "app/player/playback.h"
#include "app/player/player_handlers.h"
#include "app/recording/frame_rate.h"
#include "components/imaging/imaging.h"
#include "components/services/steady_clock.h"
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

namespace {
Pixel FrameColour(int frame) {
  return {static_cast<uint8_t>(frame * 6), static_cast<uint8_t>(250 - frame * 6),
          static_cast<uint8_t>((frame * 53) % 200 + 20)};
}
}  // namespace

RecordingEntries FramesOfTheirOwnColours(int frames, int rate) {
  RecordingEntries entries;
  for (int n = 1; n <= frames; ++n) {
    entries.push_back({std::to_string(n) + ".jpg", JpegFrame(640, 480, FrameColour(n))});
  }
  if (rate != kDefaultFrameRate) {
    const std::string text = FrameRateEntryText(rate);
    entries.push_back({kFrameRateEntryName, Bytes(text.begin(), text.end())});
  }
  return entries;
}

int FrameOnScreen(int frames) {
  const Pixel shown = PanelCentre();
  int nearest = 0;
  int best = INT_MAX;
  for (int n = 1; n <= frames; ++n) {
    const Pixel colour = FrameColour(n);
    const int red = shown.red - colour.red, green = shown.green - colour.green, blue = shown.blue - colour.blue;
    const int distance = red * red + green * green + blue * blue;
    if (distance < best) best = distance, nearest = n;
  }
  return best <= 3 * 12 * 12 ? nearest : 0;
}

std::string RangeOutputFolder(const TempFolder& scratch) {
  const char* out = std::getenv("VELMO_RANGE_OUT");
  return out && *out ? std::string(out) : scratch.path();
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
  for (int i = 0; i < count; ++i) {
    if (Playing()) MoveClockBy(std::max<int64_t>(0, NextFrameDue() - SteadyMicroseconds()));
    RaiseEvent(kId, 时钟, TimerEvent::kTick);
  }
}

void TickAfter(int64_t microseconds) {
  MoveClockBy(microseconds);
  RaiseEvent(kId, 时钟, TimerEvent::kTick);
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
