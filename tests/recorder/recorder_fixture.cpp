#include "tests/recorder/recorder_fixture.h"

#include "app/player/player_handlers.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "components/services/services.h"
#include "controls/message_box.h"
#include "forms/recorder_window.h"
#include "tests/controls/program_run.h"
#include "tests/recorder/scripted_user.h"

namespace {
RecorderSeen seen;
int answer = IDNO;
bool keepWorkingFolder = false;

int Ask(const std::string& text, const std::string& caption, unsigned style) {
  seen.questions.push_back(text);
  seen.captions.push_back(caption);
  seen.styles.push_back(style);
  return (style & MB_TYPEMASK) == MB_OK ? IDOK : answer;
}

void OpenInsteadOfBrowser(void*, const std::wstring& address) { seen.webPages.push_back(address); }
}  // namespace

void RunRecorder(const std::function<void()>& body) {
  seen = {};
  // A fresh program: no take yet.
  FrameCount = 0;
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
  ReplaceFileDialog(fileDialog);
  SetShellOpenFunction(browser);
  answer = IDNO;
}

void KeepWorkingFolderForNextRun() { keepWorkingFolder = true; }

const RecorderSeen& Seen() { return seen; }
void AnswerQuestionsWith(int reply) { answer = reply; }

HWND RecorderHwnd(UnitId unit) { return LiveHwnd({RecorderWindow::kId, unit}); }

void Click(UnitId button) { SendMessageW(RecorderHwnd(button), BM_CLICK, 0, 0); }

std::string WorkingFolder() { return SpecialFolderPath(11) + "greentemp"; }
