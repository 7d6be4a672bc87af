#include "tests/support/files.h"

#include <windows.h>

#include <algorithm>

#include "components/services/file_bytes.h"
#include "components/services/little_endian.h"
#include "components/services/path_kind.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

bool WriteBytes(const std::string& path, const Bytes& bytes) { return WriteWholeFile(path, bytes); }

bool WriteText(const std::string& path, const std::string& text) {
  return WriteBytes(path, Bytes(text.begin(), text.end()));
}

Bytes ReadBytes(const std::string& path) { return ReadWholeFile(path); }

bool FileExists(const std::string& path) { return IsFile(path); }

bool FolderExists(const std::string& path) { return IsFolder(path); }

bool MakeFolder(const std::string& path) { return CreateDirectoryW(Widen(path).c_str(), nullptr) != 0; }

std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  FindHandle find(FindFirstFileW(Widen(folder + "\\*").c_str(), &found));
  if (!find) return names;
  do {
    std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(Narrow(name));
  } while (FindNextFileW(find.get(), &found));
  std::sort(names.begin(), names.end());
  return names;
}

namespace {

// "\\?\" and the full path: the system then takes every name as it stands, without trimming
// the trailing spaces and dots an archive may have given a file, and without the MAX_PATH limit.
std::wstring VerbatimPath(const std::string& path) {
  std::wstring wide = Widen(path);
  DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  DWORD length = size ? GetFullPathNameW(wide.c_str(), size, full.data(), nullptr) : 0;
  full.resize(length < size ? length : 0);
  return full.empty() || full.starts_with(L"\\\\") ? wide : L"\\\\?\\" + full;
}

void RemoveVerbatimTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  FindHandle find(FindFirstFileW((path + L"\\*").c_str(), &found));
  if (find) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring child = path + L"\\" + name;
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      // A link is removed, never followed out of the tree.
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveVerbatimTree(child);
      } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryW(child.c_str());
      } else {
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(find.get(), &found));
  }
  find.reset();
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(path.c_str());
}

}  // namespace

void RemoveTree(const std::string& path) { RemoveVerbatimTree(VerbatimPath(path)); }

// at() checks the field's last byte lies inside, so a short buffer fails the test, not the process.
uint16_t Le16(const Bytes& bytes, size_t offset) {
  bytes.at(offset + 1);
  return GetLe16(bytes.data(), offset);
}

uint32_t Le32(const Bytes& bytes, size_t offset) {
  bytes.at(offset + 3);
  return GetLe32(bytes.data(), offset);
}
