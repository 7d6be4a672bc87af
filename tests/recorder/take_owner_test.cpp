// Nothing reaches a take that a question, SaveDialog, its file dialog or a save holds: the tray
// menu shows 录制 and 停止 greyed there, and the commands, a tick of 时钟1 and 按钮3 that arrive
// anyway change nothing, so the recording holds exactly the frames captured. Only 否 gives a
// take up; the start-of-take question closed any other way starts nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/take_clock.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/save_pipeline.h"
#include "app/recorder/take_owner.h"
#include "components/zip/zip.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/property_indexes.h"
#include "controls/window_events.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/video/container_reading.h"

namespace {
using namespace RecorderWindow;

TEST(TakeOwner, TheTakesCommandsActOnlyWhenNobodyHoldsIt) {
  using C = TakeCommand;
  using H = TakeHolder;
  struct Row {
    TakeCommand command;
    bool nobody, question, saveDialog, save;
  };
  const Row rows[] = {
      {C::Record, true, false, false, false},       {C::Stop, true, false, false, false},
      {C::PauseOrResume, true, false, false, false},
      {C::CaptureFrame, true, false, false, false}, {C::OpenSaveDialog, true, false, false, false},
      {C::Save, true, false, true, false},          {C::CloseSaveDialog, true, false, true, false},
  };
  for (const Row& row : rows) {
    const int at = static_cast<int>(row.command);
    EXPECT_EQ(TakeCommandAllowed(row.command, H::Nobody), row.nobody) << at;
    EXPECT_EQ(TakeCommandAllowed(row.command, H::Question), row.question) << at;
    EXPECT_EQ(TakeCommandAllowed(row.command, H::SaveDialog), row.saveDialog) << at;
    EXPECT_EQ(TakeCommandAllowed(row.command, H::Save), row.save) << at;
  }
  ASSERT_EQ(TakeHeldBy(), H::Nobody);
  {
    const TakeHold dialog(H::SaveDialog);
    {
      const TakeHold saving(H::Save);
      EXPECT_TRUE(SaveIsRunning());
      EXPECT_FALSE(TakeCommandAllowed(C::Save));
    }
    EXPECT_EQ(TakeHeldBy(), H::SaveDialog) << "the dialog holds the take again after its save";
    EXPECT_FALSE(SaveIsRunning());
  }
  EXPECT_EQ(TakeHeldBy(), H::Nobody);
}

// What the tray menu showed each time it was opened: 录制 and 停止 greyed or not, and whether any
// of RecorderWindow's 录制, 停止 and 保存 offered itself.
struct TrayLook {
  bool recordGreyed;
  bool stopGreyed;
  bool anyButtonEnabled;
};
std::vector<TrayLook> trayLooks;

void CALLBACK ReadTheTrayMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND popup = FindWindowW(L"#32768", nullptr);
  const HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
  const auto greyed = [menu](UINT at) { return menu && (GetMenuState(menu, at, MF_BYPOSITION) & MF_GRAYED) != 0; };
  const bool anyButton = IsWindowEnabled(RecorderHwnd(按钮1)) || IsWindowEnabled(RecorderHwnd(按钮2)) ||
                         IsWindowEnabled(RecorderHwnd(按钮3));
  trayLooks.push_back({greyed(0), greyed(1), anyButton});
  EndMenu();
}

// A user busy elsewhere while the take is held: opens the tray menu, then 录制, 停止, 按钮3
// and a tick of 时钟1 arrive anyway, as ones queued before the hold would.
void UseTheTray() {
  SetTimer(nullptr, 0, 150, ReadTheTrayMenu);
  RaiseEvent(kId, kId, WindowEvent::kTrayEvent, {int32_t{kTrayRightUp}});
  RaiseEvent(kId, 菜单_录制, 0);
  RaiseEvent(kId, 菜单_停止, 0);
  RaiseEvent(kId, 按钮3, ButtonEvent::kClicked);
  CaptureTicks(1);
}

void CALLBACK UseTheTrayWhileSaving(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!SaveIsRunning()) return;
  KillTimer(nullptr, timer);
  UseTheTray();
}

void ExpectEveryLookGreyed(size_t looks) {
  ASSERT_EQ(trayLooks.size(), looks);
  for (const TrayLook& look : trayLooks) {
    EXPECT_TRUE(look.recordGreyed);
    EXPECT_TRUE(look.stopGreyed);
    EXPECT_FALSE(look.anyButtonEnabled) << "the buttons say nothing acts on a held take";
  }
}

std::string FrameFile(int n) { return WorkingFolder() + "\\" + std::to_string(n) + ".bmp"; }

// Frame n's left half has a colour of its own, so each saved frame tells which it is.
Pixel ColourOf(int n) { return {static_cast<uint8_t>(30 * n), static_cast<uint8_t>(200 - 30 * n), 90}; }
constexpr Pixel kBlue{20, 40, 220};

// A stopped take of `frames` frames, as 停止 leaves one.
void PrepareTake(int frames, Bytes (*frame)(int n)) {
  MakeFolder(WorkingFolder());
  for (int n = 1; n <= frames; ++n) WriteBytes(FrameFile(n), frame(n));
  FrameCount = frames;
  RaiseEvent(kId, 菜单_停止, 0);
}

Bytes ColouredFrame(int n) { return TwoColourFrame(1024, 768, ColourOf(n), kBlue); }
Bytes MovingFrame(int n) { return MovingSquareFrame(1024, 768, n); }

void ExpectTheFramesCaptured(const std::string& recording, int frames, const TempFolder& scratch) {
  const std::string folder = scratch / "unpacked";
  ASSERT_EQ(Unpack(nullptr, recording, folder), kZipDone);
  std::vector<std::string> names;
  for (int n = 1; n <= frames; ++n) names.push_back(std::to_string(n) + ".jpg");
  std::sort(names.begin(), names.end());
  ASSERT_EQ(ListFolder(folder), names) << "every frame captured, and nothing else";
  for (int n = 1; n <= frames; ++n) {
    const Picture frame = DecodedPicture(ReadBytes(folder + "\\" + std::to_string(n) + ".jpg"));
    ASSERT_EQ(frame.width, 819) << "frame " << n;
    EXPECT_TRUE(PixelNear(frame.At(200, 300), ColourOf(n))) << "frame " << n;
    EXPECT_TRUE(PixelNear(frame.At(600, 300), kBlue)) << "frame " << n;
  }
}

// 录制 asks about the stopped take; 是 opens SaveDialog, whose 保存按钮 asks for the file and
// saves. The tray is tried at each of the four points; only after the save does a new take begin.
TEST(TakeHeld, TheTrayReachesNoTakeThatTheQuestionSaveDialogItsFileDialogOrTheSaveHolds) {
  TempFolder scratch;
  const std::string target = scratch / "held.vmrc";
  constexpr int kFrames = 6;
  trayLooks.clear();
  RunRecorder([&] {
    PrepareTake(kFrames, ColouredFrame);
    AnswerQuestionsWith(IDYES);
    AnswerFileDialogsWith(target);
    WhileAsked(UseTheTray);
    WhenLoaded(SaveDialog::kId, [] {
      UseTheTray();
      WhileFileDialogOpen([] {
        UseTheTray();
        SetTimer(nullptr, 0, 10, UseTheTrayWhileSaving);
      });
      PostClick({SaveDialog::kId, SaveDialog::保存按钮});
    });
    Click(按钮1);
    EXPECT_EQ(FrameCount, 1) << "the new take begins after the save, at its first frame";
    Click(按钮2);
  });
  ExpectEveryLookGreyed(4);
  EXPECT_EQ(Seen().questions,
            (std::vector<std::string>{"上次录制数据还未保存,现在是否要保存？", "文件“" + target + "”保存成功!"}));
  EXPECT_EQ(FileDialogsAsked().size(), 1u);
  ExpectTheFramesCaptured(target, kFrames, scratch);
}

// The same in the middle of a GIF's save, whose frames are counted from the file.
TEST(TakeHeld, TheTrayReachesNoTakeThatAVideoSaveHolds) {
  TempFolder scratch;
  const std::string target = scratch / "held.gif";
  constexpr int kFrames = 6;
  trayLooks.clear();
  RunRecorder([&] {
    PrepareTake(kFrames, MovingFrame);
    AnswerFileDialogsWith(target);
    WhenLoaded(SaveDialog::kId, [] {
      const HWND combo = LiveHwnd({SaveDialog::kId, SaveDialog::组合框});
      for (int i = 0; i < 2; ++i) {
        SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(combo, WM_KEYUP, VK_DOWN, 0);
      }
      SetTimer(nullptr, 0, 10, UseTheTrayWhileSaving);
      PostClick({SaveDialog::kId, SaveDialog::保存按钮});
    });
    Click(按钮3);
    EXPECT_EQ(FrameCount, kFrames);
    EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), 0) << "no take started";
  });
  ExpectEveryLookGreyed(1);
  EXPECT_EQ(Seen().questions, std::vector<std::string>{"文件“" + target + "”保存成功!"});
  const GifFile gif = ReadGif(ReadBytes(target));
  EXPECT_TRUE(gif.valid);
  EXPECT_EQ(gif.images.size(), size_t{kFrames});
}

// With nothing holding the take, the tray menu offers 录制 and 停止 as before.
TEST(TakeHeld, AFreeTakeOffersRecordAndStop) {
  trayLooks.clear();
  RunRecorder([] {
    SetTimer(nullptr, 0, 150, ReadTheTrayMenu);
    RaiseEvent(kId, kId, WindowEvent::kTrayEvent, {int32_t{kTrayRightUp}});
  });
  ASSERT_EQ(trayLooks.size(), 1u);
  EXPECT_FALSE(trayLooks[0].recordGreyed);
  EXPECT_FALSE(trayLooks[0].stopGreyed);
}

bool Enabled(UnitId button) { return IsWindowEnabled(RecorderHwnd(button)) != 0; }

void ExpectStoppedWithTheTake(int frames) {
  EXPECT_EQ(FrameCount, frames);
  EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), 0);
  EXPECT_EQ(ReadText({kId, 标签1}, label_property::kCaption), "停止：0.3秒");
  EXPECT_TRUE(Enabled(按钮1));
  EXPECT_FALSE(Enabled(按钮2));
  EXPECT_TRUE(Enabled(按钮3));
  for (int n = 1; n <= frames; ++n) EXPECT_EQ(ReadBytes(FrameFile(n)), ColouredFrame(n)) << "frame " << n;
}

class StartQuestion : public testing::TestWithParam<QuestionEnd> {};

// The system's own box, ended each way from its own message loop.
TEST_P(StartQuestion, OnlyNoGivesTheTakeUp) {
  const QuestionEnd end = GetParam();
  RunRecorder([end] {
    PrepareTake(3, ColouredFrame);
    EndQuestionsBy(end);
    if (end == QuestionEnd::Yes) WhenLoaded(SaveDialog::kId, [] { PostClick({SaveDialog::kId, SaveDialog::取消按钮}); });
    Click(按钮1);
    if (end != QuestionEnd::No) return ExpectStoppedWithTheTake(3);
    EXPECT_EQ(FrameCount, 1) << "a new take";
    EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), CaptureTickMilliseconds(kDefaultFrameRate));
    Click(按钮2);
    EXPECT_EQ(ListFolder(WorkingFolder()), (std::vector<std::string>{"1.vlf", "coded"}));
  });
  EXPECT_EQ(Seen().questions, std::vector<std::string>{"上次录制数据还未保存,现在是否要保存？"});
  if (QuestionEndsRefused()) std::printf("the system refused this way of closing the question\n");
}

INSTANTIATE_TEST_SUITE_P(EveryWay, StartQuestion,
                         testing::Values(QuestionEnd::Yes, QuestionEnd::No, QuestionEnd::Escape, QuestionEnd::CloseBox,
                                         QuestionEnd::AltF4),
                         QuestionEndName);

}  // namespace
