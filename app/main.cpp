// velmo.exe: the program entry. It hands the runtime the program's handlers and a start-up
// that builds RecorderWindow; the runtime runs until the last window is gone.
#include <windows.h>

#include "app/player/player_handlers.h"
#include "app/recorder/recorder_handlers.h"
#include "components/services/services.h"
#include "controls/fatal_error.h"
#include "controls/runtime.h"
#include "forms/recorder_window.h"

namespace {

void StartUp() {
  if (!LoadWindow(RecorderWindow::kId, 0, false)) FatalRuntimeError(kStartWindowFailed);
}

void EndOfProgram() {
  ReleaseRecorderState();
  ReleasePlayerState();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  UseSafeDllSearch();
  HandlerTable handlers;
  AddRecorderHandlers(handlers);
  AddPlayerHandlers(handlers);
  return RunProgram(handlers, StartUp, EndOfProgram);
}
