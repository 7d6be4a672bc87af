// RecorderWindow as a user meets it: where it parks, its status text and theme, its buttons'
// states through record and stop, the tray icon's menu, and the about page on close.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include "app/recorder/recorder_state.h"
#include "components/theme/theme.h"
#include "controls/event_delivery.h"
#include "controls/runtime_state.h"
#include "controls/property_indexes.h"
#include "controls/tray_icon.h"
#include "controls/window_events.h"
#include "controls/event_index.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "components/services/wide_text.h"
#include "tests/controls/program_run.h"
#include "tests/controls/screenshot.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/support/files.h"

namespace {
using namespace RecorderWindow;

bool Enabled(UnitId button) { return IsWindowEnabled(RecorderHwnd(button)) != 0; }

void RaiseTrayEvent(int kind) { RaiseEvent(kId, kId, WindowEvent::kTrayEvent, {int32_t{kind}}); }

// A frame cut short is no take: nothing to ask about, and the folder goes as at every start.
TEST(RecorderWindow, ParksTopRightThemedWithARedStoppedText) {
  RemoveTree(WorkingFolder());
  MakeFolder(WorkingFolder());
  WriteText(WorkingFolder() + "\\7.bmp", "left from an earlier run");
  KeepWorkingFolderForNextRun();
  RunRecorder([] {
    RECT frame;
    GetWindowRect(RecorderHwnd(kId), &frame);
    EXPECT_EQ(frame.left, 1024 - 244);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(ReadText(kStatus, label_property::kCaption), "停止：0秒");
    EXPECT_EQ(ReadInt(kStatus, label_property::kTextColour), 0x0000FF);
    EXPECT_TRUE(IsControlThemed(RecorderHwnd(按钮1)));
    EXPECT_EQ(QualityPercent, 80);
    EXPECT_EQ(FrameFolder, WorkingFolder());
  });
  EXPECT_TRUE(Seen().questions.empty());
  EXPECT_FALSE(FolderExists(WorkingFolder())) << "a frame cut short is removed at start";
}

TEST(RecorderWindow, RecordAndStopSwitchTheButtons) {
  RunRecorder([] {
    EXPECT_TRUE(Enabled(按钮1));
    EXPECT_FALSE(Enabled(按钮2));
    EXPECT_FALSE(Enabled(按钮3));
    Click(按钮1);
    EXPECT_FALSE(Enabled(按钮1));
    EXPECT_TRUE(Enabled(按钮2));
    EXPECT_FALSE(Enabled(按钮3));
    Click(按钮2);
    EXPECT_TRUE(Enabled(按钮1));
    EXPECT_FALSE(Enabled(按钮2));
    EXPECT_TRUE(Enabled(按钮3));
  });
}

TEST(RecorderWindow, StopBeforeAnyTakeOffersSaveAndReadsZeroSeconds) {
  RunRecorder([] {
    EXPECT_FALSE(Enabled(按钮3));
    RaiseEvent(kId, 菜单_停止, 0);
    EXPECT_TRUE(Enabled(按钮3));
    EXPECT_EQ(ReadText(kStatus, label_property::kCaption), "停止：0秒");
  });
}

TEST(RecorderWindow, TrayLeftClickShowsTheWindowAndOffersOnlyHide) {
  RunRecorder([] {
    const UnitAddress window{kId, kId};
    WriteProperty(window, common_property::kVisible, 0);
    RaiseTrayEvent(kTrayLeftDoubleClick);
    EXPECT_FALSE(IsWindowVisible(RecorderHwnd(kId))) << "a double click acts only through its releases";
    RaiseTrayEvent(kTrayLeftUp);
    EXPECT_TRUE(IsWindowVisible(RecorderHwnd(kId)));
    EXPECT_EQ(ReadInt({kId, 菜单_隐藏}, menu_item_property::kVisible), 1);
    EXPECT_EQ(ReadInt({kId, 菜单_显示}, menu_item_property::kVisible), 0);
  });
}

BOOL CALLBACK CountPlayers(HWND window, LPARAM count) {
  wchar_t caption[64];
  GetWindowTextW(window, caption, 64);
  if (std::wstring(caption) == L"Velmo专用播放器") ++*reinterpret_cast<int*>(count);
  return TRUE;
}

TEST(RecorderWindow, TwoClicksOnPlayOpenOnePlayer) {
  RunRecorder([] {
    Click(按钮4);
    Click(按钮4);
    int players = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountPlayers, reinterpret_cast<LPARAM>(&players));
    EXPECT_EQ(players, 1);
  });
}

TEST(RecorderWindow, ExitFromTheTrayMenuClosesThePlayerAndTheRecorder) {
  RunRecorder([] {
    Click(按钮4);
    ASSERT_TRUE(IsWindowLoaded(PlayerWindow::kId));
    RaiseEvent(kId, 菜单_退出, 0);
    PumpFor(300);
    EXPECT_FALSE(IsWindowLoaded(PlayerWindow::kId));
    EXPECT_FALSE(IsWindowLoaded(kId));
  });
  EXPECT_EQ(Seen().webPages.size(), 1u);
}

// Asks the shell about the recorder's tray icon.
bool ShellTakes(DWORD request) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = RecorderHwnd(kId);
  data.uID = kTrayIconId;
  return Shell_NotifyIconW(request, &data) != FALSE;
}

// Only an icon the shell shows can be modified.
bool TrayIconShown() { return ShellTakes(NIM_MODIFY); }
void ShellForgetsTheTrayIcon() { ShellTakes(NIM_DELETE); }

// A restarted shell knows no icons and says so with its "TaskbarCreated" broadcast; a shell not
// yet up refuses the icon, and the window's own timer tries again.
TEST(RecorderWindow, TheTrayIconComesBackWhenTheShellRestartsOrRefusedIt) {
  RunRecorder([] {
    ASSERT_TRUE(TrayIconShown());
    ShellForgetsTheTrayIcon();
    ASSERT_FALSE(TrayIconShown());
    SendMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconShown()) << "added again after the shell's restart";

    ShellForgetsTheTrayIcon();
    FindWindowState(kId)->trayIconShown = false;
    SetTimer(RecorderHwnd(kId), kTrayRetryTimerId, 10, nullptr);
    PumpFor(300);
    EXPECT_TRUE(TrayIconShown()) << "added on the retry timer";
  });
}

void PressEscapeIn(UnitId button) {
  SetFocus(RecorderHwnd(button));
  PostMessageW(RecorderHwnd(button), WM_KEYDOWN, VK_ESCAPE, 0);
  PumpFor(300);
}

TEST(RecorderWindow, EscClosesItAndTheAboutPageOpensOnce) {
  RunRecorder([] {
    PressEscapeIn(按钮4);
    EXPECT_EQ(WindowHandle(kId), nullptr);
  });
  ASSERT_EQ(Seen().webPages.size(), 1u);
  EXPECT_NE(Seen().webPages[0].find(L"about.html"), std::wstring::npos);
}

// A stray Esc ends no take, recording or paused; 停止 still does, and then Esc closes as before.
TEST(RecorderWindow, EscLeavesARunningTakeAlone) {
  RunRecorder([] {
    UseSystemClock();
    Click(按钮1);
    PressEscapeIn(按钮2);
    ASSERT_NE(WindowHandle(kId), nullptr) << "Esc while recording";
    const int frames = FrameCount;
    PumpFor(300);
    EXPECT_GT(FrameCount, frames) << "the take goes on";
    RaiseEvent(kId, 菜单_暂停, 0);
    PressEscapeIn(按钮2);
    ASSERT_NE(WindowHandle(kId), nullptr) << "Esc while paused";
    EXPECT_TRUE(ReadText(kStatus, label_property::kCaption).starts_with("暂停："));
    Click(按钮2);
    PressEscapeIn(按钮1);
    EXPECT_EQ(WindowHandle(kId), nullptr) << "Esc with the take stopped";
  });
}

}  // namespace

namespace {
// A picture of the themed window while it records, for a person to look at:
// tests/recorder/screenshots/RecorderWindow-recording.png in the build tree.
TEST(RecorderWindow, PictureWhileRecording) {
  RunRecorder([] {
    Click(RecorderWindow::按钮1);
    PumpFor(400);
    ASSERT_TRUE(WriteWindowPicture(RecorderHwnd(RecorderWindow::kId), PicturePath("RecorderWindow-recording.png")));
    Click(RecorderWindow::按钮2);
  });
}
}  // namespace
