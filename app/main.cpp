// velmo.exe: the program entry. A start while the program already runs in the session hands
// over to it and ends. Otherwise it hands the runtime the program's handlers and a start-up
// that builds RecorderWindow, or, when the command line names a recording (Explorer's "open
// with" and a double click on an associated file), PlayerWindow alone playing it; the runtime
// runs until the last window is gone.
#include <windows.h>

#include <optional>

#include "app/player/player_handlers.h"
#include "app/recorder/recorder_handlers.h"
#include "app/run_program.h"
#include "app/settings/settings_file.h"
#include "app/settings/settings_window_handlers.h"
#include "app/single_program.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "controls/fatal_error.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"

namespace {

// How long a later start waits for the running program's door: long enough for a program whose
// window is still being built.
constexpr unsigned kDoorWaitMilliseconds = 5000;

std::optional<ProgramDoor> door;
// The recording the command line named; empty for a plain start.
std::wstring recordingToPlay;

// A later start asked for the program. The recording it named is played in the player, loaded
// when it is not. Without one, RecorderWindow comes to the front as the tray's left click
// brings it, or, in a program that plays a recording alone, PlayerWindow.
void AnotherStartArrived(const std::wstring& path) {
  if (!path.empty()) {
    PlayRecordingAt(Narrow(path));
  } else if (IsWindowLoaded(RecorderWindow::kId)) {
    BringRecorderForward();
  } else if (IsWindowLoaded(PlayerWindow::kId)) {
    BringPlayerForward();
  }
}

// A start that names a recording builds no RecorderWindow: no tray icon, and no question about
// a take left behind, which stays on the disk for the next plain start.
void StartUp() {
  SetCurrentSettings(LoadSettingsFile(SettingsFilePath()));
  if (recordingToPlay.empty()) {
    if (!LoadWindow(RecorderWindow::kId, 0, false)) FatalRuntimeError(kStartWindowFailed);
  } else {
    PlayRecordingAt(Narrow(recordingToPlay));
    if (!IsWindowLoaded(PlayerWindow::kId)) FatalRuntimeError(kStartWindowFailed);
  }
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
  recordingToPlay = FirstArgument(GetCommandLineW());
  if (!claim.alone()) {
    HandOverToRunningProgram(recordingToPlay, kDoorWaitMilliseconds);
    return 0;
  }
  HandlerTable handlers;
  AddRecorderHandlers(handlers);
  AddPlayerHandlers(handlers);
  AddSettingsWindowHandlers(handlers);
  return RunProgram(handlers, StartUp, EndOfProgram);
}
