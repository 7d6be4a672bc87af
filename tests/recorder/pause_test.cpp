// A take paused and resumed from the tray menu, as the user meets it: the frames stand still
// while paused and go on with the next number, so the take has a cut; 标签1 and the tray tip
// show the pause; 停止 while paused stops as usual; and 暂停 is greyed, and does nothing,
// whenever no take runs or SaveDialog, its file dialog or a question holds the take.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "components/services/wide_text.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/runtime_state.h"
#include "controls/property_indexes.h"
#include "controls/window_events.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/controls/program_run.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/files.h"

namespace {
using namespace RecorderWindow;

constexpr COLORREF kGreen = RGB(20, 200, 40);
constexpr COLORREF kRed = RGB(200, 30, 60);

std::string Status() { return ReadText(kStatus, label_property::kCaption); }
int StatusColour() { return ReadInt(kStatus, label_property::kTextColour); }
std::wstring TrayTip() { return FindWindowState(kId)->trayTip; }
int ClockInterval() { return ReadInt({kId, 时钟1}, timer_property::kInterval); }
bool Enabled(UnitId button) { return IsWindowEnabled(RecorderHwnd(button)) != 0; }
void ChoosePause() { RaiseEvent(kId, 菜单_暂停, 0); }

// The tray menu's third item as it popped up.
struct PauseItem {
  std::wstring caption;
  bool greyed;
  bool operator==(const PauseItem&) const = default;
};
void PrintTo(const PauseItem& item, std::ostream* out) {
  *out << Narrow(item.caption) << (item.greyed ? " greyed" : " offered");
}
const PauseItem kPauseOffered{L"暂停", false};
const PauseItem kResumeOffered{L"继续", false};
const PauseItem kPauseGreyed{L"暂停", true};
const PauseItem kResumeGreyed{L"继续", true};
std::vector<PauseItem> pauseItems;

// 录制, 录制范围, 停止, then 暂停.
constexpr int kPausePosition = 3;

void CALLBACK ReadThePauseItem(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND popup = FindWindowW(L"#32768", nullptr);
  const HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
  wchar_t caption[16] = {};
  if (menu) GetMenuStringW(menu, kPausePosition, caption, 16, MF_BYPOSITION);
  pauseItems.push_back({caption, menu && (GetMenuState(menu, kPausePosition, MF_BYPOSITION) & MF_GRAYED) != 0});
  EndMenu();
}

// Right-clicks the tray icon and gives back its 暂停 item as the menu showed it.
PauseItem TrayPauseItem() {
  pauseItems.clear();
  SetTimer(nullptr, 0, 150, ReadThePauseItem);
  RaiseEvent(kId, kId, WindowEvent::kTrayEvent, {int32_t{kTrayRightUp}});
  return pauseItems.empty() ? PauseItem{L"(no menu)", false} : pauseItems.back();
}

// A window of one colour at a known place on the 1024x768 screen, repainted when told.
class Patch {
 public:
  Patch() {
    WNDCLASSW patchClass{};
    patchClass.lpfnWndProc = DefWindowProcW;
    patchClass.lpszClassName = L"VelmoPausePatch";
    RegisterClassW(&patchClass);
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VelmoPausePatch", L"", WS_POPUP | WS_VISIBLE, 100,
                              200, 64, 32, nullptr, nullptr, nullptr, nullptr);
  }
  ~Patch() {
    DestroyWindow(window_);
    UnregisterClassW(L"VelmoPausePatch", nullptr);
    if (brush_) DeleteObject(brush_);
  }
  void Paint(COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    SetClassLongPtrW(window_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (brush_) DeleteObject(brush_);
    brush_ = brush;
    PumpFor(200);
  }

 private:
  HWND window_ = nullptr;
  HBRUSH brush_ = nullptr;
};

// The patch's colour in frame n of the working folder, as COLORREF.
COLORREF PatchColourInFrame(int n) {
  const Bytes frame = TakeFrameFile(n);
  const size_t at = 54 + static_cast<size_t>(767 - 215) * 3072 + 130 * 3;
  if (frame.size() < at + 3) return CLR_INVALID;
  return RGB(frame[at + 2], frame[at + 1], frame[at]);
}

// The take's frames, and the folder of the frames coded ahead for the save.
std::vector<std::string> FrameNames(int frames) {
  std::vector<std::string> names{"coded"};
  for (int n = 1; n <= frames; ++n) names.push_back(std::to_string(n) + ".vlf");
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Pause, TheTakeStandsStillWhilePausedAndGoesOnWithTheNextFrameNumber) {
  int pausedAt = 0;
  int last = 0;
  RunRecorder([&] {
    UseSystemClock();
    Patch patch;
    patch.Paint(kGreen);
    Click(按钮1);
    ASSERT_TRUE(WaitUntil([] { return FrameCount >= 3; }));
    ChoosePause();
    pausedAt = FrameCount;
    EXPECT_EQ(Status(), "暂停：" + FrameSecondsText(pausedAt, kDefaultFrameRate) + "秒");
    EXPECT_EQ(StatusColour(), 0x0050A0) << "dark amber, RGB 160,80,0";
    EXPECT_EQ(TrayTip(), L"Velmo屏幕录像器 - 已暂停");
    EXPECT_EQ(ClockInterval(), 0);
    EXPECT_FALSE(Enabled(按钮1));
    EXPECT_TRUE(Enabled(按钮2));
    EXPECT_FALSE(Enabled(按钮3));

    patch.Paint(kRed);
    PumpFor(600);
    EXPECT_EQ(FrameCount, pausedAt) << "no frame while paused";
    EXPECT_EQ(ListFolder(WorkingFolder()), FrameNames(pausedAt));
    EXPECT_EQ(Status(), "暂停：" + FrameSecondsText(pausedAt, kDefaultFrameRate) + "秒") << "the clock stands still";

    ChoosePause();
    EXPECT_EQ(FrameCount, pausedAt + 1) << "the next number, captured at once";
    EXPECT_EQ(Status(), "录制：" + FrameSecondsText(pausedAt + 1, kDefaultFrameRate) + "秒");
    EXPECT_EQ(StatusColour(), kRecordingTextColour);
    EXPECT_EQ(TrayTip(), L"Velmo屏幕录像器");
    EXPECT_TRUE(WaitUntil([&] { return FrameCount >= pausedAt + 3; }));
    Click(按钮2);
    last = FrameCount;
  });
  EXPECT_EQ(ListFolder(WorkingFolder()), FrameNames(last)) << "numbers without a gap";
  for (int n = 1; n <= last; ++n) {
    EXPECT_EQ(PatchColourInFrame(n), n <= pausedAt ? kGreen : kRed) << "frame " << n << " of a cut after " << pausedAt;
  }
}

TEST(Pause, StopWhilePausedStopsAsUsual) {
  RunRecorder([] {
    UseSystemClock();
    Click(按钮1);
    ASSERT_TRUE(WaitUntil([] { return FrameCount >= 2; }));
    ChoosePause();
    const int frames = FrameCount;
    Click(按钮2);
    EXPECT_EQ(FrameCount, frames);
    EXPECT_EQ(Status(), "停止：" + FrameSecondsText(frames, kDefaultFrameRate) + "秒");
    EXPECT_EQ(StatusColour(), kStoppedTextColour);
    EXPECT_EQ(TrayTip(), L"Velmo屏幕录像器");
    EXPECT_TRUE(Enabled(按钮1));
    EXPECT_FALSE(Enabled(按钮2));
    EXPECT_TRUE(Enabled(按钮3));
    EXPECT_FALSE(TakeIsPaused());
    ChoosePause();
    EXPECT_EQ(FrameCount, frames) << "暂停 after 停止 does nothing";
    EXPECT_EQ(ClockInterval(), 0);
  });
}

TEST(Pause, TheTrayOffersPauseOnlyWhileATakeRunsAndResumeWhilePaused) {
  std::vector<PauseItem> seen;
  RunRecorder([&] {
    seen.push_back(TrayPauseItem());
    ChoosePause();
    EXPECT_EQ(ClockInterval(), 0) << "暂停 with no take starts nothing";
    Click(按钮1);
    seen.push_back(TrayPauseItem());
    ChoosePause();
    seen.push_back(TrayPauseItem());
    ChoosePause();
    seen.push_back(TrayPauseItem());
    Click(按钮2);
    seen.push_back(TrayPauseItem());
  });
  EXPECT_EQ(seen, (std::vector<PauseItem>{kPauseGreyed, kPauseOffered, kResumeOffered, kPauseOffered, kPauseGreyed}));
}

// What 暂停 does inside a hold: the item greyed, and the command, should it arrive, changes
// nothing of the paused take.
void TryToResume(std::vector<PauseItem>& seen, int frames) {
  seen.push_back(TrayPauseItem());
  ChoosePause();
  EXPECT_TRUE(TakeIsPaused());
  EXPECT_EQ(FrameCount, frames);
  EXPECT_EQ(ClockInterval(), 0);
}

// SaveDialog loaded over a paused take, as 按钮3's handler does should its click arrive, and the
// save's file dialog: both hold the take. Cancelled, the save leaves it paused, and 继续 goes on.
TEST(Pause, SaveDialogAndItsFileDialogHoldAPausedTake) {
  std::vector<PauseItem> seen;
  RunRecorder([&] {
    Click(按钮1);
    ChoosePause();
    const int frames = FrameCount;
    AnswerFileDialogsWith("");
    WhenLoaded(SaveDialog::kId, [&] {
      TryToResume(seen, frames);
      WhileFileDialogOpen([&] { TryToResume(seen, frames); });
      PostClick({SaveDialog::kId, SaveDialog::保存按钮});
    });
    RaiseEvent(kId, 按钮3, ButtonEvent::kClicked);
    EXPECT_TRUE(TakeIsPaused());
    ChoosePause();
    EXPECT_EQ(FrameCount, frames + 1);
    Click(按钮2);
  });
  EXPECT_EQ(seen, (std::vector<PauseItem>{kResumeGreyed, kResumeGreyed}));
}

// 录制 from the tray while a take runs asks about it; the question holds the take.
TEST(Pause, TheStartQuestionHoldsTheTake) {
  std::vector<PauseItem> seen;
  RunRecorder([&] {
    Click(按钮1);
    WhileAsked([&] {
      seen.push_back(TrayPauseItem());
      const int frames = FrameCount;
      ChoosePause();
      EXPECT_FALSE(TakeIsPaused());
      EXPECT_EQ(FrameCount, frames);
    });
    RaiseEvent(kId, 菜单_录制, 0);
    EXPECT_EQ(FrameCount, 1) << "否 started a new take";
    Click(按钮2);
  });
  EXPECT_EQ(seen, std::vector<PauseItem>{kPauseGreyed});
}

}  // namespace
