// velmo.exe: the program entry. A start while the program already runs in the session hands
// over to it and ends. Otherwise it hands the runtime the program's handlers and a start-up
// that builds RecorderWindow; the runtime runs until the last window is gone.
#include <windows.h>

#include <optional>

#include "app/player/player_handlers.h"
#include "app/recorder/recorder_handlers.h"
#include "app/run_program.h"
#include "app/settings/settings_file.h"
#include "app/settings/settings_window_handlers.h"
#include "app/single_program.h"
#include "components/services/services.h"
#include "controls/fatal_error.h"
#include "forms/recorder_window.h"

namespace {

// How long a later start waits for the running program's door: long enough for a program whose
// window is still being built.
constexpr unsigned kDoorWaitMilliseconds = 5000;

std::optional<ProgramDoor> door;

// A later start asked for the program: RecorderWindow comes to the front as the tray's left
// click brings it, while it is still there. The path it named waits for the player to open it;
// until then it is only read.
void AnotherStartArrived(const std::wstring&) {
  if (IsWindowLoaded(RecorderWindow::kId)) BringRecorderForward();
}

void StartUp() {
  SetCurrentSettings(LoadSettingsFile(SettingsFilePath()));
  if (!LoadWindow(RecorderWindow::kId, 0, false)) FatalRuntimeError(kStartWindowFailed);
  door.emplace(AnotherStartArrived);
}

void EndOfProgram() {
  door.reset();
  ReleaseRecorderState();
  ReleasePlayerState();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  UseSafeDllSearch();
  const ProgramClaim claim;
  if (!claim.alone()) {
    HandOverToRunningProgram(FirstArgument(GetCommandLineW()), kDoorWaitMilliseconds);
    return 0;
  }
  HandlerTable handlers;
  AddRecorderHandlers(handlers);
  AddPlayerHandlers(handlers);
  AddSettingsWindowHandlers(handlers);
  return RunProgram(handlers, StartUp, EndOfProgram);
}
