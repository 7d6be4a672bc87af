#include <windows.h>
#include <shellapi.h>

#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

void ShellOpen(void* ownerWindow, const std::wstring& address) {
  ShellExecuteW(static_cast<HWND>(ownerWindow), L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

ShellOpenFunction shellOpen = ShellOpen;

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

// Without an address the program opens its own about page, shipped beside the executable: an
// address on the web could one day belong to somebody else.
std::wstring DefaultAddress() {
  std::wstring executable = ExecutablePath();
  return executable.substr(0, executable.find_last_of(L"\\/") + 1) + L"about.html";
}

}  // namespace

void OpenWebPage(const std::string& address) {
  HWND owner = FindWindowW(nullptr, L"Microsoft Internet Explorer");
  shellOpen(owner, address.empty() ? DefaultAddress() : Widen(address));
}

ShellOpenFunction SetShellOpenFunction(ShellOpenFunction open) {
  ShellOpenFunction replaced = shellOpen;
  shellOpen = open ? open : ShellOpen;
  return replaced;
}
