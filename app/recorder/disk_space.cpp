#include "app/recorder/disk_space.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "components/services/number_text.h"
#include "components/services/folder_entries.h"
#include "components/services/wide_text.h"

namespace {

// The system's answer for the folder, or for its nearest existing parent: a take's folder does
// not exist before the take creates it, nor does a save target before it is written.
std::optional<uint64_t> SystemFreeBytes(const std::string& folder) {
  for (std::string at = folder; !at.empty(); at = ContainingFolder(at)) {
    ULARGE_INTEGER available;
    if (GetDiskFreeSpaceExW(Widen(at + "\\").c_str(), &available, nullptr, nullptr)) return available.QuadPart;
    if (GetLastError() != ERROR_PATH_NOT_FOUND && GetLastError() != ERROR_FILE_NOT_FOUND) return std::nullopt;
  }
  return std::nullopt;
}

FreeSpaceProbe installedProbe = nullptr;

}  // namespace

bool LeavesMargin(uint64_t freeBytes, uint64_t writeBytes, uint64_t margin) {
  return freeBytes >= margin && freeBytes - margin >= writeBytes;
}

std::optional<uint64_t> FreeBytesAt(const std::string& folder) {
  return installedProbe ? installedProbe(folder) : SystemFreeBytes(folder);
}

bool HasRoomFor(const std::string& folder, uint64_t writeBytes, uint64_t margin) {
  const std::optional<uint64_t> free = FreeBytesAt(folder);
  return !free || LeavesMargin(*free, writeBytes, margin);
}

FreeSpaceProbe SetFreeSpaceProbe(FreeSpaceProbe probe) {
  const FreeSpaceProbe replaced = installedProbe;
  installedProbe = probe;
  return replaced;
}

std::string ContainingFolder(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

FolderBytes FilesInFolder(const std::string& folder) {
  FolderBytes total;
  ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
    if (!IsSubfolder(entry)) {
      total.files += 1;
      total.bytes += static_cast<uint64_t>(entry.nFileSizeHigh) << 32 | entry.nFileSizeLow;
    }
    return true;
  });
  return total;
}

std::string MegabytesText(uint64_t bytes) {
  constexpr uint64_t kMegabyte = 1ull << 20;
  const uint64_t megabytes = (bytes + kMegabyte - 1) / kMegabyte;
  return IntegerText(static_cast<int>(std::min<uint64_t>(megabytes, INT_MAX)));
}
