#include "components/zip/archive_check.h"

#include <windows.h>

#include "components/services/little_endian.h"
#include "components/services/win_handle.h"
#include "components/zip/zip_records.h"

bool PassesArchiveCheck(const uint8_t* head, size_t size) {
  if (size < kArchiveCheckSize || GetLe32(head, 0) != kLocalHeaderSignature) return false;
  return static_cast<int32_t>(GetLe32(head, 24)) >= 1;
}

bool FilePassesArchiveCheck(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  uint8_t head[kArchiveCheckSize];
  DWORD read = 0;
  if (!file || !ReadFile(file.get(), head, sizeof head, &read, nullptr)) return false;
  return PassesArchiveCheck(head, read);
}
