#include "components/zip/source_file.h"

#include "components/zip/entry_attributes.h"

namespace {

constexpr DWORD kHeadSize = 64;
constexpr DWORD kSignatureSize = 4;

bool SeekTo(HANDLE file, uint64_t offset) {
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != 0;
}

DWORD ReadAt(HANDLE file, uint64_t offset, uint8_t* buffer, DWORD size) {
  DWORD read = 0;
  if (!SeekTo(file, offset) || !ReadFile(file, buffer, size, &read, nullptr)) return 0;
  return read;
}

// Reads the DOS header and the signature it points at; leaves the file position anywhere.
bool LooksExecutable(HANDLE file) {
  uint8_t head[kHeadSize];
  uint32_t offset = NewHeaderOffset(head, ReadAt(file, 0, head, kHeadSize));
  uint8_t signature[kSignatureSize];
  return offset != 0 && IsExecutableSignature(signature, ReadAt(file, offset, signature, kSignatureSize));
}

FILETIME FileTimeOf(const LARGE_INTEGER& time) {
  return FILETIME{time.LowPart, static_cast<DWORD>(time.HighPart)};
}

}  // namespace

bool OpenSourceFile(const std::wstring& path, SourceFile* source) {
  if (!OpenSourceFileUnread(path, source)) return false;
  source->executable = LooksExecutable(source->handle.get());
  return SeekTo(source->handle.get(), 0);
}

// Not GetFileInformationByHandle: it asks the volume for its serial number too, which under
// Wine costs most of a millisecond a file.
bool OpenSourceFileUnread(const std::wstring& path, SourceFile* source) {
  source->handle.reset(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  FILE_BASIC_INFO info;
  LARGE_INTEGER size;
  if (!source->handle || !GetFileInformationByHandleEx(source->handle.get(), FileBasicInfo, &info, sizeof info) ||
      !GetFileSizeEx(source->handle.get(), &size)) {
    return false;
  }
  source->size = static_cast<uint64_t>(size.QuadPart);
  source->attributes = info.FileAttributes;
  source->times =
      EntryTimesOf(FileTimeOf(info.LastWriteTime), FileTimeOf(info.LastAccessTime), FileTimeOf(info.CreationTime));
  source->executable = false;
  return true;
}

int64_t ReadSourcePiece(HANDLE file, uint8_t* buffer, size_t capacity) {
  DWORD read = 0;
  if (!ReadFile(file, buffer, static_cast<DWORD>(capacity), &read, nullptr)) return -1;
  return read;
}
