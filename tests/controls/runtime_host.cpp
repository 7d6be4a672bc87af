// A small program over the runtime for behaviour that ends the process: it runs one scenario
// named on its command line and writes what the user would have seen (message box texts, the
// exit action) into the file named after it, one line each.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "components/services/wide_text.h"
#include "controls/runtime_state.h"
#include "controls/ask_user.h"
#include "controls/program.h"
#include "forms/form_store.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/controls/failing_allocation.h"

namespace {
std::wstring reportPath;
std::wstring scenario;

void Report(const std::string& line) {
  FILE* file = _wfopen(reportPath.c_str(), L"ab");
  if (!file) return;
  std::fwrite(line.data(), 1, line.size(), file);
  std::fputc('\n', file);
  std::fclose(file);
}

int RecordBox(const std::string& text, const std::string&, unsigned) {
  Report(text);
  return IDOK;
}

void CloseEveryWindow() {
  for (WindowId window : {RecorderWindow::kId, PlayerWindow::kId}) PostMessageW(WindowHandle(window), WM_CLOSE, 0, 0);
}

void CALLBACK CloseThePlayerLater(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  Report(WindowHandle(PlayerWindow::kId) ? "player still open" : "player gone");
  PostMessageW(WindowHandle(PlayerWindow::kId), WM_CLOSE, 0, 0);
}

void StartUp() {
  if (scenario == L"kind-property-of-unloaded-window") {
    ReadProperty({SaveDialog::kId, SaveDialog::组合框}, 8);
  } else if (scenario == L"unknown-window") {
    WriteProperty({kWindowUnitClass | 0x99, kControlUnitClass | 0x9901}, 0, 1);
  } else if (scenario == L"last-window-closes") {
    LoadWindow(RecorderWindow::kId, 0, false);
    LoadWindow(PlayerWindow::kId, 0, false);
    CloseEveryWindow();
  } else if (scenario == L"recorder-closes-first") {
    LoadWindow(RecorderWindow::kId, 0, false);
    LoadWindow(PlayerWindow::kId, 0, false);
    PostMessageW(WindowHandle(RecorderWindow::kId), WM_CLOSE, 0, 0);
    SetTimer(nullptr, 0, 300, CloseThePlayerLater);
  } else if (scenario == L"destroy-unloaded-window") {
    DestroyWindow(PlayerWindow::kId);
  } else if (scenario == L"failed-allocation") {
    LoadWindow(RecorderWindow::kId, 0, false);
    std::vector<char> block;
    block.reserve(kFailingAllocation);
    Report("allocated");
  }
}

void ExitAction() { Report("exit action"); }
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  scenario = argv[1];
  reportPath = argv[2];
  ReplaceMessageBox(RecordBox);
  const FormStore store;
  std::vector<FormDefinition> forms;
  for (WindowId window : store.WindowIds()) forms.push_back(*store.WorkingCopy(window));
  HandlerTable handlers;
  return RunProgramWithForms(std::move(forms), handlers, StartUp, ExitAction);
}
