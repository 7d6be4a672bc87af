#include "bench/bench_program.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "app/player/playback.h"
#include "app/player/player_handlers.h"
#include "app/recorder/recorder_handlers.h"
#include "app/run_program.h"
#include "bench/bench_clock.h"
#include "components/services/services.h"
#include "components/services/steady_clock.h"
#include "components/services/wide_text.h"
#include "controls/control.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/runtime_state.h"
#include "controls/ask_user.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"

namespace {

std::function<void()> benchBody;
std::function<void()> pendingInside;
std::wstring dialogAnswer;
double dialogAnsweredAt = 0;
std::vector<ShownMessage> messages;
int64_t standingClock = 0;

int64_t StandingClock() { return standingClock; }

int AnswerOk(const std::string& text, const std::string&, unsigned) {
  messages.push_back({text, NowMilliseconds()});
  return IDOK;
}

bool AnswerPath(OPENFILENAMEW& request, bool) {
  if (dialogAnswer.size() >= request.nMaxFile) return false;
  dialogAnswer.copy(request.lpstrFile, dialogAnswer.size());
  request.lpstrFile[dialogAnswer.size()] = L'\0';
  dialogAnsweredAt = NowMilliseconds();
  return true;
}

void NoWebPage(void*, const std::wstring&) {}

void StartUp() {
  benchBody();
  for (WindowId window : {SaveDialog::kId, PlayerWindow::kId, RecorderWindow::kId}) {
    if (IsWindowLoaded(window)) DestroyWindow(window, true);
  }
}

// As the program ends.
void EndOfProgram() {
  ReleaseRecorderState();
  ReleasePlayerState();
}

void CALLBACK RunPendingInside(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const std::function<void()> inside = std::move(pendingInside);
  pendingInside = nullptr;
  if (inside) inside();
}

}  // namespace

void RunInBenchProgram(const std::function<void()>& body) {
  benchBody = body;
  messages.clear();
  HandlerTable handlers;
  AddRecorderHandlers(handlers);
  AddPlayerHandlers(handlers);
  const MessageBoxRoutine messageBox = ReplaceMessageBox(AnswerOk);
  const FileDialogRoutine fileDialog = ReplaceFileDialog(AnswerPath);
  const ShellOpenFunction browser = SetShellOpenFunction(NoWebPage);
  const SteadyClockStandIn systemClock = SetSteadyClockStandIn(nullptr);
  RunProgram(handlers, StartUp, EndOfProgram);
  SetSteadyClockStandIn(systemClock);
  SetShellOpenFunction(browser);
  ReplaceFileDialog(fileDialog);
  ReplaceMessageBox(messageBox);
  benchBody = nullptr;
}

void AnswerFileDialogsWith(const std::string& path) { dialogAnswer = Widen(path); }

double LastFileDialogAnswer() { return dialogAnsweredAt; }

const std::vector<ShownMessage>& ShownMessages() { return messages; }

void ClickButton(UnitAddress button) {
  if (Control* control = FindLiveControl(button)) SendMessageW(control->hwnd(), BM_CLICK, 0, 0);
}

void StandTheClockStill() {
  standingClock = SteadyMicroseconds();
  SetSteadyClockStandIn(StandingClock);
}

void TickPlaybackOnTime() {
  if (Playing()) standingClock = std::max(standingClock, NextFrameDue());
  RaiseEvent(PlayerWindow::kId, PlayerWindow::时钟, TimerEvent::kTick);
}

void RunInsideModal(WindowId window, const std::function<void()>& inside) {
  pendingInside = inside;
  const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, RunPendingInside);
  if (!LoadWindow(window, 0, true)) {
    KillTimer(nullptr, timer);
    pendingInside = nullptr;
  }
}

void RunMessageLoopFor(double milliseconds) {
  const double end = NowMilliseconds() + milliseconds;
  while (NowMilliseconds() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}
