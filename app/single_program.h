// One program at a time in a user's session. A second start of velmo.exe finds the program
// that runs, hands it the file named on its command line (its player opens it; without a file
// the program comes to the front) and ends, asking nothing and touching no file: a second program would offer the running
// take as one left behind, and could remove it under the first.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "components/services/win_handle.h"
#include "controls/hidden_window.h"

// The claim of being the session's one program: a mutex in the session's own namespace, which
// the system lets go of when the process ends however it ends, so a program that was killed
// never blocks the next start.
class ProgramClaim {
 public:
  ProgramClaim();
  ProgramClaim(const ProgramClaim&) = delete;
  ProgramClaim& operator=(const ProgramClaim&) = delete;

  // False when another program of this session held the claim first.
  bool alone() const { return alone_; }

 private:
  UniqueWinHandle<HANDLE, CloseHandle, NullHandle> mutex_;
  bool alone_ = true;
};

// The running program's door: a hidden window that later starts find by its class name. It is
// opened once the first window is built (RecorderWindow, or PlayerWindow for a start that names
// a recording), so a start that comes while the first is still starting (or still asking about
// a take left behind) finds no door, waits a little and gives up.
class ProgramDoor {
 public:
  // `arrived` runs on the user-interface thread for each hand-over that passes the checks of
  // HandedOverPath, with the path it carries (empty when the start named none).
  explicit ProgramDoor(void (*arrived)(const std::wstring& path));

  // Null when the door could not be made; the program then runs as before, only unreachable.
  HWND window() const { return window_.get(); }

 private:
  HiddenWindow window_;
};

// What a later start does instead of running: gives the door of the running program up to
// `waitMilliseconds` to appear, lets that program take the foreground and hands it `path`.
// True when the door took the hand-over; either way the start then ends with exit code 0.
bool HandOverToRunningProgram(const std::wstring& path, unsigned waitMilliseconds);

// The path a message to the door carries, when the message is a hand-over: its tag, at most
// kMaxHandedPath characters in whole UTF-16 units with no zero among them. Anything else (a
// stranger's copy-data message, a cut or hostile one) is nothing.
constexpr size_t kMaxHandedPath = 32767;
std::optional<std::wstring> HandedOverPath(const COPYDATASTRUCT& message);

// The file named first on a command line, as the system splits it (quotes keep spaces); empty
// when it names none.
std::wstring FirstArgument(const wchar_t* commandLine);
