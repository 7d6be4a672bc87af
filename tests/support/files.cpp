#include "tests/support/files.h"

#include <windows.h>

#include <algorithm>

#include "components/services/file_bytes.h"
#include "components/services/win_handle.h"
#include "components/services/wide_text.h"

bool WriteBytes(const std::string& path, const Bytes& bytes) { return WriteWholeFile(path, bytes); }

bool WriteText(const std::string& path, const std::string& text) {
  return WriteBytes(path, Bytes(text.begin(), text.end()));
}

Bytes ReadBytes(const std::string& path) { return ReadWholeFile(path); }

static DWORD Attributes(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()); }

bool FileExists(const std::string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

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

void RemoveTree(const std::string& path) {
  for (const std::string& name : ListFolder(path)) {
    std::string child = path + "\\" + name;
    SetFileAttributesW(Widen(child).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (FolderExists(child)) {
      RemoveTree(child);
    } else {
      DeleteFileW(Widen(child).c_str());
    }
  }
  SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(Widen(path).c_str());
}

uint16_t Le16(const Bytes& bytes, size_t offset) {
  return static_cast<uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

uint32_t Le32(const Bytes& bytes, size_t offset) {
  return static_cast<uint32_t>(Le16(bytes, offset)) | static_cast<uint32_t>(Le16(bytes, offset + 2)) << 16;
}
