#include "components/services/same_file.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {

std::wstring FullPath(const std::wstring& path) {
  const DWORD room = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (room == 0) return path;
  std::vector<wchar_t> full(room);
  if (GetFullPathNameW(path.c_str(), room, full.data(), nullptr) == 0) return path;
  return full.data();
}

// The path made absolute and normalised, short names made long where the file exists.
std::wstring ComparablePath(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  const DWORD longRoom = GetLongPathNameW(full.c_str(), nullptr, 0);
  if (longRoom == 0) return full;
  std::vector<wchar_t> longPath(longRoom);
  if (GetLongPathNameW(full.c_str(), longPath.data(), longRoom) == 0) return full;
  return longPath.data();
}

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

struct FileIdentity {
  DWORD volume;
  DWORD indexHigh;
  DWORD indexLow;
};

// Asks for no access to the contents, and shares everything, so a file another program (or
// this one) holds open is still identified.
std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
  const FileHandle file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information;
  if (!file || !GetFileInformationByHandle(file.get(), &information)) return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

}  // namespace

bool NamesSameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  const std::wstring wideA = Widen(a);
  const std::wstring wideB = Widen(b);
  if (EqualIgnoringCase(ComparablePath(wideA), ComparablePath(wideB))) return true;
  const std::optional<FileIdentity> first = IdentityOf(wideA);
  const std::optional<FileIdentity> second = IdentityOf(wideB);
  return first && second && first->volume == second->volume && first->indexHigh == second->indexHigh &&
         first->indexLow == second->indexLow;
}

std::string AbsolutePath(const std::string& path) { return path.empty() ? path : Narrow(FullPath(Widen(path))); }
