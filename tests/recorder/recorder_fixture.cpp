#include "tests/recorder/recorder_fixture.h"

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "components/services/services.h"
#include "controls/live_windows.h"
#include "controls/message_box.h"
#include "forms/recorder_window.h"
#include "tests/controls/program_run.h"

namespace {
RecorderSeen seen;
int answer = IDNO;

int Ask(const std::string& text, const std::string& caption, unsigned) {
  seen.questions.push_back(text);
  seen.captions.push_back(caption);
  return answer;
}

void OpenInsteadOfBrowser(void*, const std::wstring& address) { seen.webPages.push_back(address); }
}  // namespace

void RunRecorder(const std::function<void()>& body) {
  seen = {};
  // A fresh program: no take yet.
  FrameCount = 0;
  HandlerTable handlers;
  AddRecorderHandlers(handlers);
  const ShellOpenFunction browser = SetShellOpenFunction(OpenInsteadOfBrowser);
  RunInProgram(
      [&] {
        const MessageBoxRoutine before = ReplaceMessageBox(Ask);
        if (LoadWindow(RecorderWindow::kId, 0, false)) body();
        ReplaceMessageBox(before);
      },
      handlers);
  SetShellOpenFunction(browser);
  answer = IDNO;
}

const RecorderSeen& Seen() { return seen; }
void AnswerQuestionsWith(int reply) { answer = reply; }

HWND RecorderHwnd(UnitId unit) {
  if (unit == RecorderWindow::kId) return WindowHandle(RecorderWindow::kId);
  Control* control = FindLiveControl({RecorderWindow::kId, unit});
  return control ? control->hwnd() : nullptr;
}

void Click(UnitId button) { SendMessageW(RecorderHwnd(button), BM_CLICK, 0, 0); }

std::string WorkingFolder() { return SpecialFolderPath(11) + "greentemp"; }
