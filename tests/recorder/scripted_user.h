// A scripted user for whole-program tests: answers the file dialogs, acts inside modal loops
// once a window is up, clicks as a mouse would, and notes every text the program puts on screen.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/runtime.h"

// The next file dialogs confirm `path`; an empty path cancels them.
void AnswerFileDialogsWith(const std::string& path);
// Runs `action` inside the next file dialog, before it is answered.
void WhileFileDialogOpen(std::function<void()> action);
// Back to a user who cancels every file dialog and has been asked nothing.
void ResetFileDialogs();

// What the program asked of the file dialogs since ResetFileDialogs.
struct FileDialogRequest {
  bool save;
  std::wstring filter;  // its parts joined and ended by "|"
  std::wstring defaultExtension;
};
const std::vector<FileDialogRequest>& FileDialogsAsked();

// The file dialog routine that answers as scripted (see controls/ask_user.h).
bool ScriptedFileDialog(OPENFILENAMEW& request, bool save);

// Runs `action` from the message loop as soon as `window` is loaded (checked every 20 ms), so a
// test can act inside a modal window's own loop.
void WhenLoaded(WindowId window, std::function<void()> action);

// The live window of a control, or of the window itself for its own id; null when not loaded.
HWND LiveHwnd(UnitAddress unit);
// Queues a click on a button: it arrives through the message loop, as a user's click does.
void PostClick(UnitAddress button);

// While it lives, records every window text the program sets that begins with `prefix`.
class TextTrail {
 public:
  explicit TextTrail(std::string prefix);
  ~TextTrail();
  TextTrail(const TextTrail&) = delete;
  TextTrail& operator=(const TextTrail&) = delete;
  const std::vector<std::string>& texts() const;
};
