#include "components/imaging/source_file.h"

#include <windows.h>

#include <cstdint>

#include "components/services/wide_text.h"

bool SourceExists(const std::string& path) {
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW(Widen(path).c_str(), &found));
  return static_cast<bool>(search);
}

bool MappedSource::Open(const std::string& path) {
  file_.reset(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file_ || !GetFileSizeEx(file_.get(), &size)) return false;
  if (size.QuadPart == 0) return true;  // a mapping cannot be empty; no decoder accepts no bytes
  if (static_cast<uint64_t>(size.QuadPart) > SIZE_MAX) return false;
  mapping_.reset(CreateFileMappingW(file_.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping_) return false;
  view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, 0));
  if (!view_) return false;
  bytes_ = ByteSpan(static_cast<const uint8_t*>(view_.get()), static_cast<size_t>(size.QuadPart));
  return true;
}
