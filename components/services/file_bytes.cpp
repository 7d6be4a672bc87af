#include "components/services/file_bytes.h"

#include <windows.h>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

namespace {
constexpr LONGLONG kLargestFile = 1LL << 30;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  ReadWholeFileInto(path, bytes);
  return bytes;
}

// The buffer is not emptied before the read: resizing it to the size it already has (frame after
// frame of one size) then leaves its bytes alone instead of zeroing them all for ReadFile to
// overwrite.
bool ReadWholeFileInto(const std::string& path, std::vector<uint8_t>& bytes) {
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestFile) {
    bytes.clear();
    return false;
  }
  bytes.resize(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    bytes.clear();
    return false;
  }
  bytes.resize(read);
  return true;
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteFileParts(path, {std::span<const uint8_t>(bytes)});
}

bool WriteFileParts(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts) {
  FileHandle file(
      CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  for (std::span<const uint8_t> part : parts) {
    DWORD written = 0;
    if (!WriteFile(file.get(), part.data(), static_cast<DWORD>(part.size()), &written, nullptr) || written != part.size())
      return false;
  }
  return true;
}
