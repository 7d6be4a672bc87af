#include "controls/file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "components/services/wide_text.h"
#include "controls/fatal_error.h"
#include "controls/runtime_state.h"
#include "controls/ask_user.h"

namespace {
// Long enough for any path the system dialog gives back.
constexpr size_t kPathRoom = 32768;
}  // namespace

DWORD FileDialogFlags(const CommonDlgProperties& dialog) {
  DWORD flags = OFN_EXPLORER | OFN_HIDEREADONLY;
  if (dialog.createPrompt) flags |= OFN_CREATEPROMPT;
  // A save dialog never asks for an existing file: with the flag some systems refuse every new
  // name, and SaveDialog's stored dialog has it on.
  if (dialog.fileMustExist && dialog.dialogType != 1) flags |= OFN_FILEMUSTEXIST;
  if (dialog.overwritePrompt) flags |= OFN_OVERWRITEPROMPT;
  if (dialog.pathMustExist) flags |= OFN_PATHMUSTEXIST;
  if (dialog.keepCurrentFolder) flags |= OFN_NOCHANGEDIR;
  return flags;
}

std::string TerminatedFilter(const std::string& filter) {
  if (filter.empty() || filter.ends_with("||")) return filter;
  return filter + "||";
}

std::wstring SystemFilter(const std::string& filter) {
  std::wstring wide = Widen(TerminatedFilter(filter));
  for (wchar_t& c : wide) {
    if (c == L'|') c = L'\0';
  }
  return wide;
}

std::optional<ChosenFile> AskForFile(WindowId owner, const CommonDlgProperties& dialog) {
  if (dialog.dialogType != 0 && dialog.dialogType != 1) return std::nullopt;
  const std::wstring filter = SystemFilter(dialog.filter);
  const std::wstring title = Widen(dialog.title);
  const std::wstring folder = Widen(dialog.initialFolder);
  const std::wstring extension = Widen(dialog.defaultExtension);
  std::vector<wchar_t> file(kPathRoom, L'\0');
  const std::wstring proposed = Widen(dialog.fileName);
  if (proposed.size() < kPathRoom) proposed.copy(file.data(), proposed.size());

  OPENFILENAMEW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = WindowHandle(owner);
  request.Flags = FileDialogFlags(dialog);
  request.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  request.nFilterIndex = filter.empty() ? 0 : static_cast<DWORD>(dialog.initialFilterIndex) + 1;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  request.lpstrTitle = title.empty() ? nullptr : title.c_str();
  request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  if (!AskFileDialog(request, dialog.dialogType == 1)) return std::nullopt;
  return ChosenFile{Narrow(file.data()), static_cast<int>(request.nFilterIndex)};
}

bool OpenDialog(UnitAddress commonDlg) {
  Control& control = LiveControlOrFatal(commonDlg);
  auto* dialog = std::get_if<CommonDlgProperties>(&control.definition().properties);
  if (!dialog) FatalRuntimeError(kNoSuchWindowOrUnit);
  const std::optional<ChosenFile> chosen = AskForFile(commonDlg.window, *dialog);
  if (!chosen) return false;
  // The control may have gone while the dialog ran its own message loop.
  if (Control* still = FindLiveControl(commonDlg)) {
    std::get<CommonDlgProperties>(still->definition().properties).fileName = chosen->path;
  }
  return true;
}
