#include "controls/ask_user.h"

#include "components/services/wide_text.h"
#include "controls/runtime.h"

namespace {
int SystemMessageBox(const std::string& text, const std::string& caption, unsigned style) {
  return MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), style | MB_TASKMODAL);
}

bool SystemFileDialog(OPENFILENAMEW& request, bool save) {
  return (save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request)) != FALSE;
}

MessageBoxRoutine messageBoxRoutine = SystemMessageBox;
FileDialogRoutine fileDialogRoutine = SystemFileDialog;
}  // namespace

MessageBoxRoutine ReplaceMessageBox(MessageBoxRoutine routine) {
  const MessageBoxRoutine before = messageBoxRoutine;
  messageBoxRoutine = routine ? routine : SystemMessageBox;
  return before;
}

FileDialogRoutine ReplaceFileDialog(FileDialogRoutine routine) {
  const FileDialogRoutine before = fileDialogRoutine;
  fileDialogRoutine = routine ? routine : SystemFileDialog;
  return before;
}

int AskMessageBox(const std::string& text, const std::string& caption, unsigned style) {
  return messageBoxRoutine(text, caption, style);
}

bool AskFileDialog(OPENFILENAMEW& request, bool save) { return fileDialogRoutine(request, save); }

int ShowMessageBox(const std::string& text, unsigned style, const std::string& caption) {
  return AskMessageBox(text, caption.empty() ? "信息：" : caption, style);
}
