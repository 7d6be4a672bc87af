#include "components/zip/win_paths.h"

#include <windows.h>

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (!folder.empty() && IsSeparator(folder.back())) return folder + name;
  return folder + L'\\' + name;
}

std::wstring FullPath(const std::wstring& path) {
  DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  return full;
}

// Each prefix ending before a separator is tried in turn; the ones that exist already, and
// the ones that cannot be folders at all (a drive, "\\server"), simply fail and are passed by.
bool CreateFolderTree(const std::wstring& path) {
  if (IsFolder(path)) return true;
  for (size_t i = 1; i < path.size(); ++i)
    if (IsSeparator(path[i]) && !IsSeparator(path[i - 1])) CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
  CreateDirectoryW(path.c_str(), nullptr);
  return IsFolder(path);
}
