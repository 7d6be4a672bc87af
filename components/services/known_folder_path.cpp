#include <windows.h>
#include <shlobj.h>

#include <iterator>

#include "components/services/services.h"
#include "components/services/wide_text.h"

namespace {

// Shell special folders of kinds 1 to 8, in kind order.
constexpr int kShellFolderOfKind[] = {CSIDL_PERSONAL, CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY, CSIDL_FONTS,
                                      CSIDL_STARTMENU, CSIDL_PROGRAMS,  CSIDL_STARTUP,          CSIDL_APPDATA};
constexpr int kWindowsFolder = 9;
constexpr int kSystemFolder = 10;

// The shell answers in a buffer of MAX_PATH characters and creates nothing.
std::wstring ShellFolder(int csidl) {
  wchar_t folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, folder, csidl, FALSE)) return {};
  return folder;
}

// The Windows, system and temporary folder queries answer their length, or the size they need
// when the buffer is too small, or 0 on failure. A path longer than MAX_PATH is asked for again
// in a buffer of the size named, so it is never cut short.
using FolderQuery = DWORD (*)(wchar_t* buffer, DWORD size);

std::wstring SystemFolder(FolderQuery query) {
  std::wstring folder(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD length = query(folder.data(), static_cast<DWORD>(folder.size()));
    if (length == 0) return {};
    if (length < folder.size()) {
      folder.resize(length);
      return folder;
    }
    folder.resize(length);
  }
  return {};
}

std::wstring FolderOfKind(int kind) {
  if (kind >= 1 && kind <= static_cast<int>(std::size(kShellFolderOfKind)))
    return ShellFolder(kShellFolderOfKind[kind - 1]);
  switch (kind) {
    case kWindowsFolder:
      return SystemFolder([](wchar_t* buffer, DWORD size) -> DWORD { return GetWindowsDirectoryW(buffer, size); });
    case kSystemFolder:
      return SystemFolder([](wchar_t* buffer, DWORD size) -> DWORD { return GetSystemDirectoryW(buffer, size); });
    case kTemporaryFolder:
      return SystemFolder([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
    default:
      return {};
  }
}

}  // namespace

std::string SpecialFolderPath(int kind) {
  std::wstring folder = FolderOfKind(kind);
  // The result is not held in a fixed buffer, so the backslash is appended even to a path that
  // fills MAX_PATH: callers add a name to it, and without the backslash that name would be
  // glued onto the last folder's name.
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return Narrow(folder);
}
