#include "tests/player/player_fixture.h"

#include <windows.h>
#include <commctrl.h>

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

int ProgressShown() { return static_cast<int>(SendMessageW(LiveHwnd(Player(进度条1)), PBM_GETPOS, 0, 0)); }

int ProgressMaximumShown() {
  return static_cast<int>(SendMessageW(LiveHwnd(Player(进度条1)), PBM_GETRANGE, FALSE, 0));
}

Picture PanelOnScreen() {
  const HWND panel = LiveHwnd(Player(画板));
  UpdateWindow(panel);
  RECT client;
  GetClientRect(panel, &client);
  const SIZE size{client.right, client.bottom};
  const BitmapHandle copy = CopyClientArea(panel, size);
  return copy ? DecodedPicture(BmpFileOfBitmap(copy.get(), size)) : Picture{};
}

Pixel PanelCentre() {
  const Picture shown = PanelOnScreen();
  return shown.width > 0 ? shown.At(shown.width / 2, shown.height / 2) : Pixel{};
}
