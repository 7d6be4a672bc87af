// velmo.exe: the program entry. It hands the runtime the program's handlers and a start-up
// that builds RecorderWindow; the runtime runs until the last window is gone.
#include <windows.h>

#include "controls/fatal_error.h"
#include "controls/runtime.h"
#include "forms/recorder_window.h"

namespace {
void StartUp() {
  if (!LoadWindow(RecorderWindow::kId, 0, false)) FatalRuntimeError(kStartWindowFailed);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The recorder's and the player's handlers fill this table; until then every bound event
  // finds no routine and does nothing.
  const HandlerTable handlers;
  return RunProgram(handlers, StartUp, nullptr);
}
