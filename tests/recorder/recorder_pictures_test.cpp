// Pictures of what the recorder shows on top of itself, for a person to look at: its tray menu
// open beside it, the system's question box about an unsaved take, and the region overlay while
// a rectangle is dragged.
// Written to tests/recorder/screenshots/ in the build tree.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/recorder/area_picker.h"
#include "components/services/wide_text.h"
#include "controls/event_delivery.h"
#include "controls/ask_user.h"
#include "controls/window_events.h"
#include "controls/event_index.h"
#include "forms/recorder_window.h"
#include "tests/controls/program_run.h"
#include "tests/controls/screenshot.h"
#include "tests/recorder/colour_patch.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/user_alongside.h"
#include "tests/support/files.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"

namespace {
using namespace RecorderWindow;

constexpr int kMessageBoxTextId = 0xFFFF;  // the static child holding a message box's text

void ExpectAPicture(const std::string& path) {
  std::ifstream file(Widen(path).c_str(), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  EXPECT_GT(bytes.size(), 1024u) << path;
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << path;
}

std::string WindowText(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return Narrow(text);
}

// What the timers saw inside the modal loops of the menu and the box.
bool menuWasOpen = false;
std::string boxText, boxCaption;

// The whole test screen, so the menu shows beside the recorder it belongs to.
void CALLBACK PictureOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND popup = FindWindowW(L"#32768", nullptr);
  menuWasOpen = popup && IsWindowVisible(popup);
  EXPECT_TRUE(WriteWindowPicture(GetDesktopWindow(), PicturePath("TrayMenu.png")));
  PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST(RecorderPictures, TrayMenuOpen) {
  menuWasOpen = false;
  RunRecorder([] {
    SetTimer(nullptr, 0, 300, PictureOpenMenu);
    RaiseEvent(kId, kId, WindowEvent::kTrayEvent, {int32_t{kTrayRightUp}});
  });
  EXPECT_TRUE(menuWasOpen);
  ExpectAPicture(PicturePath("TrayMenu.png"));
}

// Keeps looking until the box is up, so a slow screen cannot leave it open for ever.
void CALLBACK PictureOpenBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = FindWindowW(L"#32770", L"提示信息");
  if (!box || !IsWindowVisible(box)) return;
  KillTimer(nullptr, timer);
  boxCaption = WindowText(box);
  boxText = WindowText(GetDlgItem(box, kMessageBoxTextId));
  EXPECT_TRUE(WriteWindowPicture(box, PicturePath("QuestionBox.png")));
  SendMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
}

TEST(RecorderPictures, QuestionAboutAnUnsavedTake) {
  boxText.clear();
  boxCaption.clear();
  RunRecorder([] {
    Click(按钮1);
    PumpFor(200);
    Click(按钮2);
    const MessageBoxRoutine scripted = ReplaceMessageBox(nullptr);
    const UINT_PTR looking = SetTimer(nullptr, 0, 300, PictureOpenBox);
    Click(按钮1);
    KillTimer(nullptr, looking);
    ReplaceMessageBox(scripted);
    Click(按钮2);
  });
  EXPECT_EQ(boxCaption, "提示信息");
  EXPECT_EQ(boxText, "上次录制数据还未保存,现在是否要保存？");
  ExpectAPicture(PicturePath("QuestionBox.png"));
}

// Over a window of the test's own, the button still down.
TEST(RecorderPictures, RegionOverlayWhileDragging) {
  const ColourPatch patch({420, 260, 760, 520}, RGB(30, 160, 90));
  bool pictured = false;
  const auto drag = [&] {
    MoveMouseTo({160, 180});
    PressLeftButton();
    MoveMouseTo({500, 400});
    MoveMouseTo({640, 460});
    pictured = WriteWindowPicture(GetDesktopWindow(), PicturePath("RegionOverlay.png"));
    ReleaseLeftButton();
    PressKey(VK_ESCAPE);
  };
  ScreenArea chosen;
  RunWhileUserActs(kAreaPickerClass, drag, [&] { PickScreenArea(PickMode::Region, {}, chosen); });
  EXPECT_TRUE(pictured);
  ExpectAPicture(PicturePath("RegionOverlay.png"));
}
}  // namespace
