// The one narrow seam through which the runtime asks the user something: message boxes and the
// system file dialogs. The program uses the system's; a test replaces them to script the
// user's answer and to see what was asked.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <string>

// Shows a task-modal box without owner; gives back the button pressed (IDOK, IDYES, ...).
using MessageBoxRoutine = int (*)(const std::string& text, const std::string& caption, unsigned style);
// Runs the open (`save` false) or save dialog for a filled request; true when confirmed, with
// the chosen path in request.lpstrFile.
using FileDialogRoutine = bool (*)(OPENFILENAMEW& request, bool save);

// Replace the routine; give back the one used before. Null restores the system's.
MessageBoxRoutine ReplaceMessageBox(MessageBoxRoutine routine);
FileDialogRoutine ReplaceFileDialog(FileDialogRoutine routine);

// Through the current routine.
int AskMessageBox(const std::string& text, const std::string& caption, unsigned style);
bool AskFileDialog(OPENFILENAMEW& request, bool save);
