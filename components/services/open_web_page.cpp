#include <windows.h>
#include <shellapi.h>

#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

void ShellOpen(void* ownerWindow, const std::wstring& address) {
  ShellExecuteW(static_cast<HWND>(ownerWindow), L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

ShellOpenFunction shellOpen = ShellOpen;

}  // namespace

void OpenWebPage(const std::string& address) {
  HWND owner = FindWindowW(nullptr, L"Microsoft Internet Explorer");
  // Without an address the program opens its own about page, shipped beside the executable:
  // an address on the web could one day belong to somebody else.
  shellOpen(owner, Widen(address.empty() ? ProgramFilePath("about.html") : address));
}

ShellOpenFunction SetShellOpenFunction(ShellOpenFunction open) {
  ShellOpenFunction replaced = shellOpen;
  shellOpen = open ? open : ShellOpen;
  return replaced;
}
