#include "tests/recorder/recorder_fixture.h"

#include <optional>
#include <utility>

#include "app/player/player_handlers.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/unsaved_take.h"
#include "app/recording/frame_rate.h"
#include "app/settings/settings_file.h"
#include "components/services/file_bytes.h"
#include "components/services/path_kind.h"
#include "components/services/services.h"
#include "components/services/steady_clock.h"
#include "components/services/wide_text.h"
#include "controls/ask_user.h"
#include "forms/recorder_window.h"
#include "tests/controls/program_run.h"
#include "tests/recorder/scripted_user.h"

namespace {
RecorderSeen seen;
int answer = IDNO;
bool keepWorkingFolder = false;
std::function<void()> insideQuestion;
std::optional<QuestionEnd> questionEnd;
int endTicks = 0;
int endsRefused = 0;

// Keeps in `found` (an HWND*) the first visible system dialog box met, and stops there.
BOOL CALLBACK KeepVisibleDialogBox(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The system's box of this thread, if one is up.
HWND OpenQuestionBox() {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), KeepVisibleDialogBox, reinterpret_cast<LPARAM>(&box));
  return box;
}

void PressEscape(HWND box) { PostMessageW(GetFocus() ? GetFocus() : box, WM_KEYDOWN, VK_ESCAPE, 0); }

void EndTheBox(HWND box, QuestionEnd end) {
  switch (end) {
    case QuestionEnd::Yes:
      return (void)PostMessageW(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
    case QuestionEnd::No:
      return (void)PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    case QuestionEnd::Escape:
      return PressEscape(box);
    case QuestionEnd::CloseBox:
      return (void)PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    case QuestionEnd::AltF4:
      return (void)PostMessageW(box, WM_SYSKEYDOWN, VK_F4, LPARAM{1} << 29);
  }
}

// Every 50 ms while the box waits: the chosen way first, Esc a second later if it is still up.
void CALLBACK EndOpenBox(HWND, UINT, UINT_PTR, DWORD) {
  const HWND box = OpenQuestionBox();
  if (!box) return;
  ++endTicks;
  if (endTicks == 1) EndTheBox(box, *questionEnd);
  if (endTicks == 20) {
    ++endsRefused;
    PressEscape(box);
  }
}

int SystemBox(const std::string& text, const std::string& caption, unsigned style) {
  endTicks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, EndOpenBox);
  const int pressed = MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), style | MB_TASKMODAL);
  KillTimer(nullptr, timer);
  return pressed;
}

int Ask(const std::string& text, const std::string& caption, unsigned style) {
  seen.questions.push_back(text);
  seen.captions.push_back(caption);
  seen.styles.push_back(style);
  if ((style & MB_TYPEMASK) == MB_OK) return IDOK;
  if (insideQuestion) std::exchange(insideQuestion, nullptr)();
  return questionEnd ? SystemBox(text, caption, style) : answer;
}

void OpenInsteadOfBrowser(void*, const std::wstring& address) { seen.webPages.push_back(address); }

// Far from 0, so no take's arithmetic meets the counter's start.
int64_t testClock = 1'000'000'000'000;
int64_t TestClock() { return testClock; }
}  // namespace

void RunRecorder(const std::function<void()>& body) {
  seen = {};
  // A fresh program: no take yet, and the save quality and the full screen of a first start (the
  // other settings are the test's). Settings are kept in a file beside this test program (a portable copy), so a
  // save remembers its quality there and never in the settings file the program's tests read.
  FrameCount = 0;
  Settings firstStart = CurrentSettings();
  firstStart.saveQuality = kDefaultSaveQuality;
  firstStart.captureChoice = CaptureChoice::FullScreen;
  firstStart.captureArea = {};
  SetCurrentSettings(firstStart);
  const SteadyClockStandIn systemClock = SetSteadyClockStandIn(TestClock);
  if (!IsFile(ProgramFilePath(kSettingsFileName))) WriteWholeFile(ProgramFilePath(kSettingsFileName), {});
  if (!keepWorkingFolder) RemoveFolderTree(WorkingFolder());
  keepWorkingFolder = false;
  HandlerTable handlers;
  AddRecorderHandlers(handlers);
  AddPlayerHandlers(handlers);
  const ShellOpenFunction browser = SetShellOpenFunction(OpenInsteadOfBrowser);
  ResetFileDialogs();
  const FileDialogRoutine fileDialog = ReplaceFileDialog(ScriptedFileDialog);
  RunInProgram(
      [&] {
        const MessageBoxRoutine before = ReplaceMessageBox(Ask);
        if (LoadWindow(RecorderWindow::kId, 0, false)) body();
        ReplaceMessageBox(before);
      },
      handlers);
  // What the program's end does.
  ReleasePlayerState();
  SetSteadyClockStandIn(systemClock);
  ReplaceFileDialog(fileDialog);
  SetShellOpenFunction(browser);
  answer = IDNO;
  insideQuestion = nullptr;
  questionEnd.reset();
}

void KeepWorkingFolderForNextRun() { keepWorkingFolder = true; }

void MoveClockBy(int64_t microseconds) { testClock += microseconds; }

void CaptureTicks(int count) {
  EventRecord tick{RecorderWindow::kId, RecorderWindow::时钟1, 0, {}, {}};
  for (int i = 0; i < count; ++i) {
    MoveClockBy(FrameStartMicroseconds(2, TakeFrameRate()));
    CaptureTick(tick);
  }
}

void UseSystemClock() { SetSteadyClockStandIn(nullptr); }

const RecorderSeen& Seen() { return seen; }
void AnswerQuestionsWith(int reply) { answer = reply; }
void WhileAsked(std::function<void()> action) { insideQuestion = std::move(action); }

void EndQuestionsBy(QuestionEnd end) {
  questionEnd = end;
  endsRefused = 0;
}
int QuestionEndsRefused() { return endsRefused; }

std::string QuestionEndName(const testing::TestParamInfo<QuestionEnd>& info) {
  constexpr const char* kNames[] = {"Yes", "No", "Escape", "CloseBox", "AltF4"};
  return kNames[static_cast<int>(info.param)];
}

HWND RecorderHwnd(UnitId unit) { return LiveHwnd({RecorderWindow::kId, unit}); }

void Click(UnitId button) { SendMessageW(RecorderHwnd(button), BM_CLICK, 0, 0); }

std::string WorkingFolder() { return SpecialFolderPath(kTemporaryFolder) + "greentemp"; }

std::string LeanFrameFile(int n) { return WorkingFolder() + "\\" + std::to_string(n) + ".vlf"; }

std::vector<uint8_t> TakeFrameFile(int n) {
  TakeReader take(WorkingFolder());
  std::vector<uint8_t> bytes;
  for (int i = 1; i <= n; ++i) {
    if (take.Read(i, bytes) == TakeFrameSource::None && i == n) bytes.clear();
  }
  return bytes;
}
