#include "components/services/path_kind.h"

#include <windows.h>

#include "components/services/wide_text.h"

namespace {
DWORD AttributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }
}  // namespace

bool PathExists(const std::wstring& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool PathExists(const std::string& path) { return PathExists(Widen(path)); }

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::string& path) { return IsFolder(Widen(path)); }

bool IsFile(const std::string& path) {
  const DWORD attributes = AttributesOf(Widen(path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

uint64_t FileSizeAt(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return 0;
  return static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}
