// Seeking, stepping and marking a range in PlayerWindow with the real mouse and keyboard, on a
// recording whose frames each have a colour of their own, so the frame shown is read from 画板's
// pixels: clicks and a drag on 进度条1, the keys, the marks drawn on the bar, the picture's menu
// and what a save is handed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "app/player/range_commands.h"
#include "app/player/range_save.h"
#include "controls/property_indexes.h"
#include "tests/controls/program_run.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace PlayerWindow;

constexpr int kFrames = 40;
constexpr Pixel kMarkOrange{229, 151, 0};

int FrameOnScreen() { return ::FrameOnScreen(kFrames); }

// The time text of frame `frame` shown out of the 40.
std::string TimeOf(int frame) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.13g", frame / 10.0);
  return std::string("时长:") + seconds + "/4秒";
}

HWND Bar() { return LiveHwnd(Player(进度条1)); }

// The middle of frame `frame`'s stretch of the bar's track, which the system bar draws one
// pixel inside its client area; at the middle of the bar's height.
POINT OverFrame(int frame) {
  RECT client;
  GetClientRect(Bar(), &client);
  const int track = client.right - 2;
  return {1 + (2 * frame - 1) * track / (2 * kFrames), client.bottom / 2};
}

void ExpectPausedOn(int frame) {
  EXPECT_EQ(FrameOnScreen(), frame);
  EXPECT_EQ(TimeText(), TimeOf(frame));
  EXPECT_EQ(ReadInt(Player(进度条1), process_bar_property::kPosition), frame + 1)
      << "the bar runs a step ahead, as after a tick";
  ExpectButtons(true, false, true);
  EXPECT_EQ(ClockInterval(), 0);
}

class Seeking : public testing::Test {
 protected:
  // 640x480 frames: the window around them gives 进度条1 about ten pixels a frame.
  void SetUp() override { WriteRecording(scratch_ / "colours.vmrc", FramesOfTheirOwnColours(kFrames)); }

  // Opens the recording and gives the player the keyboard; it plays from frame 1.
  void OpenColours() {
    OpenPlayer();
    OpenRecordingFile(scratch_ / "colours.vmrc");
    SetForegroundWindow(LiveHwnd(Player(kId)));
    PumpFor(50);
  }

  TempFolder scratch_;
};

enum class Before { Playing, Paused, Stopped };

class ClickOnTheBar : public Seeking, public testing::WithParamInterface<Before> {};

TEST_P(ClickOnTheBar, ShowsTheFrameUnderThePointerAtOnce) {
  RunRecorder([&] {
    OpenColours();
    Tick(3);
    if (GetParam() == Before::Paused) ClickPlayer(暂停按钮);
    if (GetParam() == Before::Stopped) ClickPlayer(终止按钮);
    for (int frame : {kFrames / 4, kFrames / 2, kFrames * 3 / 4}) {
      ClickAt(Bar(), OverFrame(frame));
      if (GetParam() != Before::Playing) {
        ExpectPausedOn(frame);
        continue;
      }
      // The clock goes on ticking while the click is handled.
      const int shown = FrameOnScreen();
      EXPECT_GE(shown, frame);
      EXPECT_LE(shown, frame + 4);
      EXPECT_EQ(TimeText(), TimeOf(shown));
      ExpectButtons(false, true, true);
      EXPECT_GT(ClockInterval(), 0);
    }
  });
}

INSTANTIATE_TEST_SUITE_P(Seeking, ClickOnTheBar, testing::Values(Before::Playing, Before::Paused, Before::Stopped),
                         [](const testing::TestParamInfo<Before>& info) {
                           return std::string(info.param == Before::Playing  ? "Playing"
                                              : info.param == Before::Paused ? "Paused"
                                                                             : "Stopped");
                         });

TEST_F(Seeking, DraggingAlongTheBarScrubsThroughTheFrames) {
  RunRecorder([&] {
    OpenColours();
    ClickPlayer(暂停按钮);
    MoveMouseTo(Bar(), OverFrame(5));
    PressLeftButton();
    ExpectPausedOn(5);
    MoveMouseTo(Bar(), OverFrame(12));
    ExpectPausedOn(12);
    MoveMouseTo(Bar(), OverFrame(33));
    ExpectPausedOn(33);
    RECT client;
    GetClientRect(Bar(), &client);
    MoveMouseTo(Bar(), {client.right + 60, client.bottom + 20});
    ExpectPausedOn(kFrames);
    MoveMouseTo(Bar(), {-5, client.bottom / 2});
    ExpectPausedOn(1);
    ReleaseLeftButton();
    ExpectPausedOn(1);
    MoveMouseTo(Bar(), OverFrame(20));
    EXPECT_EQ(FrameOnScreen(), 1) << "once the button is let go, moving seeks nothing";
  });
}

// ← → step a frame, Ctrl with them ten, Home and End go to the ends; each pauses there.
TEST_F(Seeking, TheKeysStepThroughTheFramesAndPause) {
  RunRecorder([&] {
    OpenColours();
    Tick(5);
    PressKey(VK_HOME);
    ExpectPausedOn(1);
    PressKey(VK_RIGHT);
    PressKey(VK_RIGHT);
    ExpectPausedOn(3);
    PressKey(VK_LEFT);
    ExpectPausedOn(2);
    PressKeys({VK_CONTROL, VK_RIGHT});
    ExpectPausedOn(12);
    PressKeys({VK_CONTROL, VK_LEFT});
    PressKeys({VK_CONTROL, VK_LEFT});
    ExpectPausedOn(1);
    PressKey(VK_END);
    ExpectPausedOn(kFrames);
    PressKey(VK_RIGHT);
    ExpectPausedOn(kFrames);
    PressKey(VK_HOME);
    PressKeys({VK_CONTROL, VK_RIGHT});
    ExpectPausedOn(11);

    PressKey(VK_SPACE);
    ExpectButtons(false, true, true);
    EXPECT_GT(ClockInterval(), 0);
    PressKey(VK_SPACE);
    ExpectButtons(true, false, true);
    EXPECT_EQ(ClockInterval(), 0);

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindowLoaded(kId)) << "Esc does not close the player";
  });
}

// Space plays and pauses whatever has the focus; the focused button is not pressed as well.
TEST_F(Seeking, SpaceOnAFocusedButtonPlaysOrPausesAndPressesNothing) {
  RunRecorder([&] {
    OpenColours();
    const size_t dialogsBefore = FileDialogsAsked().size();
    SetFocus(LiveHwnd(Player(按钮2)));
    PressKey(VK_SPACE);
    ExpectButtons(true, false, true);
    EXPECT_TRUE(Seen().questions.empty()) << "说明 showed its box";
    SetFocus(LiveHwnd(Player(按钮1)));
    PressKey(VK_SPACE);
    ExpectButtons(false, true, true);
    EXPECT_EQ(FileDialogsAsked().size(), dialogsBefore) << "打开 asked for a file";
    SetFocus(LiveHwnd(Player(终止按钮)));
    PressKey(VK_SPACE);
    ExpectButtons(true, false, true);
    EXPECT_TRUE(IsWindowEnabled(LiveHwnd(Player(终止按钮)))) << "停止 stopped playback";
    // A held Space plays once; its repeat does not pause again.
    HoldKey(VK_SPACE);
    ExpectButtons(false, true, true);
  });
}

// The band along the bottom of the bar's track between the marks.
bool MarkedAt(const Picture& bar, int frame) { return PixelNear(bar.At(OverFrame(frame).x, bar.height - 2), kMarkOrange, 12); }

TEST_F(Seeking, IAndOMarkARangeOnTheBarAndEscClearsIt) {
  RunRecorder([&] {
    OpenColours();
    PressKey(VK_HOME);
    PressKeys({VK_CONTROL, VK_RIGHT});
    PressKey('I');
    Picture bar = ClientOnScreen(Bar());
    EXPECT_TRUE(MarkedAt(bar, 11) && MarkedAt(bar, kFrames)) << "a start alone marks up to the last frame";
    EXPECT_FALSE(MarkedAt(bar, 9));
    PressKeys({VK_CONTROL, VK_RIGHT});
    PressKeys({VK_CONTROL, VK_RIGHT});
    PressKey('O');
    bar = ClientOnScreen(Bar());
    for (int frame : {11, 20, 31}) EXPECT_TRUE(MarkedAt(bar, frame)) << frame;
    for (int frame : {1, 9, 33, 40}) EXPECT_FALSE(MarkedAt(bar, frame)) << frame;
    EXPECT_FALSE(PixelNear(bar.At(OverFrame(20).x, 2), kMarkOrange, 12)) << "the bar's own fill shows above the band";
    PressKey(VK_ESCAPE);
    bar = ClientOnScreen(Bar());
    for (int frame : {11, 20, 31}) EXPECT_FALSE(MarkedAt(bar, frame)) << frame;
  });
}

// What the picture's menu showed: its captions and which were greyed.
struct MenuLook {
  std::vector<std::wstring> captions;
  std::vector<bool> greyed;
};
std::vector<MenuLook> menuLooks;
// Keys the menu is given once read: none closes it, Down n times and Enter choose entry n.
int entryToChoose = 0;

void CALLBACK ReadThePictureMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND popup = FindWindowW(L"#32768", nullptr);
  const HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
  if (!menu) return;
  KillTimer(nullptr, timer);
  MenuLook look;
  for (int at = 0; at < GetMenuItemCount(menu); ++at) {
    wchar_t caption[64] = {};
    GetMenuStringW(menu, at, caption, 64, MF_BYPOSITION);
    look.captions.push_back(caption);
    look.greyed.push_back((GetMenuState(menu, at, MF_BYPOSITION) & MF_GRAYED) != 0);
  }
  menuLooks.push_back(look);
  if (entryToChoose == 0) {
    EndMenu();
    return;
  }
  for (int step = 0; step < entryToChoose; ++step) PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
}

// A right click on the picture, the menu read and closed, or entry `choose` (from 1) chosen.
MenuLook RightClickThePicture(int choose = 0) {
  menuLooks.clear();
  entryToChoose = choose;
  SetTimer(nullptr, 0, 50, ReadThePictureMenu);
  ClickAt(LiveHwnd(Player(画板)), {40, 40}, MouseButton::kRight);
  PumpFor(200);
  return menuLooks.empty() ? MenuLook{} : menuLooks.back();
}

TEST_F(Seeking, ThePictureMenuGreysWhatCannotAct) {
  RunRecorder([&] {
    OpenPlayer();
    MenuLook look = RightClickThePicture();
    EXPECT_EQ(look.captions, (std::vector<std::wstring>{L"设为起点(I)", L"设为终点(O)", L"清除起止点", L"另存为…(Ctrl+S)"}));
    EXPECT_EQ(look.greyed, (std::vector<bool>{true, true, true, true})) << "nothing open";
    OpenRecordingFile(scratch_ / "colours.vmrc");
    SetForegroundWindow(LiveHwnd(Player(kId)));
    PressKey(VK_HOME);
    look = RightClickThePicture();
    EXPECT_EQ(look.greyed, (std::vector<bool>{false, false, true, false})) << "no mark to clear";
    RightClickThePicture(2);
    look = RightClickThePicture();
    EXPECT_EQ(look.greyed, (std::vector<bool>{false, false, false, false})) << "设为终点 set a mark";
    RightClickThePicture(3);
    EXPECT_EQ(RightClickThePicture().greyed, (std::vector<bool>{false, false, true, false})) << "清除起止点 cleared it";
  });
}

std::vector<std::pair<int, int>> saves;
void RecordSave(int firstFrame, int lastFrame) { saves.push_back({firstFrame, lastFrame}); }

// Listens in on what the player hands the save, for one test.
class SaveListener {
 public:
  SaveListener() {
    saves.clear();
    SaveFrames = RecordSave;
  }
  ~SaveListener() { SaveFrames = SaveFramesAs; }
};

TEST_F(Seeking, CtrlSAndSaveAsHandTheMarkedFramesOrTheWholeRecordingToTheSave) {
  SaveListener listener;
  RunRecorder([&] {
    OpenPlayer();
    SetForegroundWindow(LiveHwnd(Player(kId)));
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_TRUE(saves.empty()) << "nothing open to save";
    OpenRecordingFile(scratch_ / "colours.vmrc");
    SetForegroundWindow(LiveHwnd(Player(kId)));
    PressKeys({VK_CONTROL, 'S'});
    PressKey(VK_HOME);
    PressKeys({VK_CONTROL, VK_RIGHT});
    PressKey('I');
    PressKeys({VK_CONTROL, 'S'});
    PressKey(VK_ESCAPE);
    PressKeys({VK_CONTROL, VK_RIGHT});
    PressKeys({VK_CONTROL, VK_RIGHT});
    PressKey('O');
    PressKeys({VK_CONTROL, 'S'});
    PressKey(VK_HOME);
    PressKeys({VK_CONTROL, VK_RIGHT});
    RightClickThePicture(1);
    RightClickThePicture(4);
    // An I past the end moves the end along with it.
    PressKey(VK_END);
    PressKey('I');
    PressKeys({VK_CONTROL, 'S'});
  });
  EXPECT_EQ(saves, (std::vector<std::pair<int, int>>{{1, 40}, {11, 40}, {1, 31}, {11, 31}, {40, 40}}));
}

}  // namespace
