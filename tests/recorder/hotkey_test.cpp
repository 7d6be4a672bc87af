// The global hotkeys as a user presses them, with real key input while another window has the
// focus: Alt+F9 starts a take as 录制 does (its question included) and stops it, running or
// paused; Alt+F10 pauses and resumes; both obey the holds on the take. A combination another
// program holds is named once in the tray and the program runs on; a changed key works at once
// and the old one no longer does. And how a hotkey reads.
#include <gtest/gtest.h>

#include <string>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/take_clock.h"
#include "app/recorder/recorder_state.h"
#include "app/settings/hotkey_text.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "controls/event_delivery.h"
#include "controls/runtime_state.h"
#include "controls/property_indexes.h"
#include "controls/tray_icon.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "tests/controls/program_run.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/support/files.h"
#include "tools/drive/keyboard.h"

namespace {
using namespace RecorderWindow;

constexpr Hotkey kAltF9{MOD_ALT, VK_F9};
constexpr Hotkey kCtrlF11{MOD_CONTROL, VK_F11};

std::string Status() { return ReadText(kStatus, label_property::kCaption); }
int ClockInterval() { return ReadInt({kId, 时钟1}, timer_property::kInterval); }

// The keys pressed; the kit gives the hotkey a moment to arrive through the message loop.
void Press(WORD modifier, WORD key) { ASSERT_TRUE(PressKeys({modifier, key})); }

// PlayerWindow in front, with the keyboard focus.
void PlayerInFront() {
  LoadWindow(PlayerWindow::kId, 0, false);
  SetForegroundWindow(WindowHandle(PlayerWindow::kId));
  PumpFor(300);
  EXPECT_EQ(GetForegroundWindow(), WindowHandle(PlayerWindow::kId));
}

// The settings back at their defaults after each test, whatever it changed.
class Hotkeys : public testing::Test {
 protected:
  void TearDown() override { SetCurrentSettings(Settings{}); }
};

TEST_F(Hotkeys, AltF10PausesAndResumesAndAltF9StopsWithThePlayerInFront) {
  RunRecorder([] {
    UseSystemClock();
    Click(按钮1);
    PlayerInFront();
    Press(VK_MENU, VK_F10);
    ASSERT_TRUE(TakeIsPaused());
    const int frames = FrameCount;
    EXPECT_EQ(Status().rfind("暂停：", 0), 0u) << Status();
    PumpFor(500);
    EXPECT_EQ(FrameCount, frames) << "no frame while paused";
    Press(VK_MENU, VK_F10);
    EXPECT_FALSE(TakeIsPaused());
    EXPECT_GE(FrameCount, frames + 1);
    EXPECT_TRUE(WaitUntil([&] { return FrameCount >= frames + 3; }));
    Press(VK_MENU, VK_F10);
    ASSERT_TRUE(TakeIsPaused());
    Press(VK_MENU, VK_F9);
    EXPECT_FALSE(TakeIsPaused());
    EXPECT_EQ(ClockInterval(), 0);
    EXPECT_EQ(Status().rfind("停止：", 0), 0u) << Status();
    EXPECT_TRUE(IsWindowEnabled(RecorderHwnd(按钮3)));
  });
  EXPECT_TRUE(Seen().questions.empty());
}

// A take kept from before: Alt+F9 asks as 录制 does, 否 starts a new take, and while the
// question waits a second Alt+F9 reaches nothing.
TEST_F(Hotkeys, AltF9StartsAsRecordDoesQuestionIncluded) {
  RunRecorder([] {
    Click(按钮1);
    Click(按钮2);
    PlayerInFront();
    WhileAsked([] { Press(VK_MENU, VK_F9); });
    Press(VK_MENU, VK_F9);
    EXPECT_EQ(ClockInterval(), CaptureTickMilliseconds(kDefaultFrameRate));
    EXPECT_EQ(FrameCount, 1) << "a new take";
    Press(VK_MENU, VK_F9);
    EXPECT_EQ(ClockInterval(), 0);
  });
  EXPECT_EQ(Seen().questions, std::vector<std::string>{"上次录制数据还未保存,现在是否要保存？"});
}

TEST_F(Hotkeys, AChangedKeyWorksAtOnceAndTheOldOneNoLonger) {
  RunRecorder([] {
    Settings changed;
    changed.recordOrStopKey = kCtrlF11;
    changed.pauseOrResumeKey = {};
    SetCurrentSettings(changed);
    ApplyRecorderSettings();
    Press(VK_MENU, VK_F9);
    EXPECT_EQ(ClockInterval(), 0) << "Alt+F9 is no longer the program's";
    Press(VK_CONTROL, VK_F11);
    EXPECT_EQ(ClockInterval(), CaptureTickMilliseconds(kDefaultFrameRate));
    Press(VK_MENU, VK_F10);
    EXPECT_FALSE(TakeIsPaused()) << "no hotkey pauses";
    Press(VK_CONTROL, VK_F11);
    EXPECT_EQ(ClockInterval(), 0);
    EXPECT_FALSE(HotkeyHeldElsewhere(HotkeyJob::RecordOrStop));
    EXPECT_FALSE(HotkeyHeldElsewhere(HotkeyJob::PauseOrResume));

    const size_t balloons = TrayBalloonTexts().size();
    changed.pauseOrResumeKey = kCtrlF11;
    SetCurrentSettings(changed);
    ApplyRecorderSettings();
    EXPECT_FALSE(HotkeyHeldElsewhere(HotkeyJob::PauseOrResume)) << "a key given to both jobs is the program's own";
    EXPECT_EQ(TrayBalloonTexts().size(), balloons);
    Press(VK_CONTROL, VK_F11);
    EXPECT_EQ(ClockInterval(), CaptureTickMilliseconds(kDefaultFrameRate)) << "it serves 录制/停止";
    Press(VK_CONTROL, VK_F11);
  });
}

// hotkey_holder.exe beside this test program, holding `key` until it is let go.
class OtherProgramHolding {
 public:
  explicit OtherProgramHolding(const Hotkey& key) {
    const std::wstring tag = std::to_wstring(GetCurrentProcessId());
    const std::wstring readyName = L"VelmoHotkeyHeld" + tag, releaseName = L"VelmoHotkeyRelease" + tag;
    ready_.reset(CreateEventW(nullptr, TRUE, FALSE, readyName.c_str()));
    release_.reset(CreateEventW(nullptr, TRUE, FALSE, releaseName.c_str()));
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    std::wstring commandLine = L"\"" + self.substr(0, self.find_last_of(L"\\/")) + L"\\hotkey_holder.exe\" " +
                               std::to_wstring(key.modifiers) + L" " + std::to_wstring(key.key) + L" " + readyName +
                               L" " + releaseName;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
      return;
    CloseHandle(started.hThread);
    process_.reset(started.hProcess);
    holding_ = WaitForSingleObject(ready_.get(), 10000) == WAIT_OBJECT_0;
  }
  ~OtherProgramHolding() { LetGo(); }
  OtherProgramHolding(const OtherProgramHolding&) = delete;
  OtherProgramHolding& operator=(const OtherProgramHolding&) = delete;

  bool holding() const { return holding_; }
  void LetGo() {
    if (!process_) return;
    SetEvent(release_.get());
    WaitForSingleObject(process_.get(), 10000);
    process_.reset();
  }

 private:
  using Handle = UniqueWinHandle<HANDLE, CloseHandle, NullHandle>;
  Handle ready_, release_, process_;
  bool holding_ = false;
};

TEST_F(Hotkeys, ACombinationAnotherProgramHoldsIsNamedOnceAndTheProgramRunsOn) {
  OtherProgramHolding other(kAltF9);
  ASSERT_TRUE(other.holding());
  const size_t before = TrayBalloonTexts().size();
  RunRecorder([&] {
    EXPECT_TRUE(HotkeyHeldElsewhere(HotkeyJob::RecordOrStop));
    EXPECT_FALSE(HotkeyHeldElsewhere(HotkeyJob::PauseOrResume));
    ASSERT_EQ(TrayBalloonTexts().size(), before + 1);
    EXPECT_EQ(TrayBalloonTexts().back(), L"快捷键Alt+F9已被其他程序占用，未能启用。可在“设置”中另选。");

    ApplyRecorderSettings();
    EXPECT_TRUE(HotkeyHeldElsewhere(HotkeyJob::RecordOrStop));
    EXPECT_EQ(TrayBalloonTexts().size(), before + 1) << "named once in a run";

    Click(按钮1);
    Press(VK_MENU, VK_F10);
    EXPECT_TRUE(TakeIsPaused()) << "the other key works";
    Press(VK_MENU, VK_F10);
    Click(按钮2);

    other.LetGo();
    ApplyRecorderSettings();
    EXPECT_FALSE(HotkeyHeldElsewhere(HotkeyJob::RecordOrStop));
    Press(VK_MENU, VK_F9);
    EXPECT_EQ(ClockInterval(), CaptureTickMilliseconds(kDefaultFrameRate)) << "Alt+F9 is the program's once the other lets go";
    Press(VK_MENU, VK_F9);
  });
}

TEST(HotkeyText, ModifiersInOrderThenTheKeysName) {
  struct Row {
    Hotkey key;
    const char* text;
  };
  const Row rows[] = {
      {{MOD_ALT, VK_F9}, "Alt+F9"},
      {{MOD_ALT, VK_F10}, "Alt+F10"},
      {{MOD_SHIFT | MOD_CONTROL, VK_F9}, "Ctrl+Shift+F9"},
      {{MOD_WIN | MOD_ALT | MOD_SHIFT | MOD_CONTROL, VK_F24}, "Ctrl+Shift+Alt+Win+F24"},
      {{MOD_CONTROL, 'R'}, "Ctrl+R"},
      {{MOD_ALT, '7'}, "Alt+7"},
      {{MOD_CONTROL, VK_NUMPAD5}, "Ctrl+Num5"},
      {{MOD_CONTROL, VK_MULTIPLY}, "Ctrl+NumMultiply"},
      {{MOD_ALT, VK_PAUSE}, "Alt+Pause"},
      {{MOD_CONTROL, VK_NEXT}, "Ctrl+PageDown"},
      {{MOD_CONTROL, VK_OEM_PLUS}, "Ctrl+="},
      {{0, VK_SCROLL}, "ScrollLock"},
      {{MOD_ALT, 0xE8}, "Alt+0xE8"},
      {{MOD_ALT, 0}, ""},
      {{}, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(HotkeyText(row.key), row.text) << row.key.modifiers << " " << row.key.key;
}

}  // namespace
