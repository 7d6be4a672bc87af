#include <windows.h>

#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    // Cut short: the path is longer than the buffer, and never longer than 32767 characters.
    if (path.size() > 32768) return {};
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::string ProgramFilePath(const std::string& name) {
  std::wstring executable = ExecutablePath();
  return Narrow(executable.substr(0, executable.find_last_of(L"\\/") + 1)) + name;
}
