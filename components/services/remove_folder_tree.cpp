#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "components/services/lasting_files.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::string_view WithoutLeadingBlanks(std::string_view path) {
  size_t first = path.find_first_not_of(" \t");
  return first == std::string_view::npos ? std::string_view() : path.substr(first);
}

// "C:", "C:\", "C:/": a drive letter and a colon with nothing but separators after them.
bool SpellsDriveRoot(std::wstring_view path) {
  return path.size() >= 2 && path[1] == L':' && std::all_of(path.begin() + 2, path.end(), IsSeparator);
}

// "\\?\C:\" and "\\?\UNC\server\share" name the same places as "C:\" and "\\server\share".
std::wstring WithoutLongPathPrefix(const std::wstring& path) {
  if (path.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + path.substr(8);
  if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) return path.substr(4);
  return path;
}

// A root can also be reached by a longer spelling ("C:\Temp\..", "\", "\\server\share"), so the
// path is resolved before it is judged. A path the system cannot resolve is refused as well.
bool ResolvesToRoot(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return true;
  std::wstring full(size, L'\0');
  DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return true;
  full.resize(length);
  return PathIsRootW(WithoutLongPathPrefix(full).c_str());
}

std::wstring ChildPath(const std::wstring& folder, const wchar_t* name) {
  return IsSeparator(folder.back()) ? folder + name : folder + L"\\" + name;
}

struct FolderEntry {
  std::wstring path;
  DWORD attributes;
};

// Which entries a removal leaves: those whose name begins with ".", or only "." and "..".
enum class DotNames { Kept, Removed };

bool IsSelfOrParent(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// Every entry of `folder` in listing order, without "." and ".." and, unless `dotNames` says
// they go, without the other names that begin with ".". The listing is complete before
// anything is deleted, so deleting never disturbs the search.
std::vector<FolderEntry> RemovableEntries(const std::wstring& folder, DotNames dotNames) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW(ChildPath(folder, L"*.*").c_str(), &found));
  if (!search) return entries;
  do {
    const bool skipped = dotNames == DotNames::Kept ? found.cFileName[0] == L'.' : IsSelfOrParent(found.cFileName);
    if (!skipped) entries.push_back({ChildPath(folder, found.cFileName), found.dwFileAttributes});
  } while (FindNextFileW(search.get(), &found));
  return entries;
}

// Deletes what can be deleted below `folder`; a single failure leaves that entry and goes on.
void EmptyFolder(const std::wstring& folder, DotNames dotNames) {
  for (const FolderEntry& entry : RemovableEntries(folder, dotNames)) {
    if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      DeleteFileW(entry.path.c_str());
      continue;
    }
    // A linked folder (junction or symbolic link) points outside this tree: only the link goes.
    if (!(entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT)) EmptyFolder(entry.path, dotNames);
    RemoveDirectoryW(entry.path.c_str());
  }
}

bool RemoveTree(const std::string& path, DotNames dotNames) {
  std::wstring folder = Widen(WithoutLeadingBlanks(path));
  if (folder.empty() || SpellsDriveRoot(folder) || ResolvesToRoot(folder)) return false;
  EmptyFolder(folder, dotNames);
  if (!RemoveDirectoryW(folder.c_str())) return false;
  ReportFileStep(FileStep::RemovedFolder, path);
  return true;
}

}  // namespace

bool RemoveFolderTree(const std::string& path) { return RemoveTree(path, DotNames::Kept); }

bool RemoveOwnFolderTree(const std::string& path) { return RemoveTree(path, DotNames::Removed); }
