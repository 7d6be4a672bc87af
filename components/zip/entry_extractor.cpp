#include "components/zip/entry_extractor.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "components/services/win_handle.h"
#include "components/zip/entry_data.h"
#include "components/zip/extended_timestamp.h"
#include "components/zip/file_times.h"
#include "components/zip/zip_records.h"

namespace {

// Only what the program can read is opened: no encryption, and stored or deflate only (the
// reader would spin on a method it was built without).
bool IsReadable(const ReaderEntry& entry) {
  return !(entry.flags & kFlagEncrypted) && (entry.method == kMethodStored || entry.method == kMethodDeflate);
}

// Closes the entry's data on every return path.
class OpenEntryData {
 public:
  explicit OpenEntryData(ZipReader& reader) : reader_(reader), open_(reader.OpenData()) {}
  ~OpenEntryData() {
    if (open_) reader_.CloseData();
  }
  OpenEntryData(const OpenEntryData&) = delete;
  OpenEntryData& operator=(const OpenEntryData&) = delete;
  bool open() const { return open_; }

 private:
  ZipReader& reader_;
  bool open_;
};

bool WritePiece(HANDLE file, const uint8_t* bytes, size_t count) {
  DWORD written = 0;
  return WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr) && written == static_cast<DWORD>(count);
}

bool CopyData(ZipReader& reader, HANDLE file) {
  std::vector<uint8_t> piece(kPieceSize);
  while (true) {
    int count = reader.ReadData(piece.data(), static_cast<unsigned>(piece.size()));
    if (count < 0) return false;
    if (count == 0) return true;
    if (!WritePiece(file, piece.data(), static_cast<size_t>(count))) return false;
  }
}

// In the pieces CopyData writes, so a write that fails leaves what it would leave.
bool WriteInflated(HANDLE file, const ByteString& data) {
  for (size_t at = 0; at < data.size(); at += kPieceSize)
    if (!WritePiece(file, data.data() + at, std::min(kPieceSize, data.size() - at))) return false;
  return true;
}

// A time the extended timestamp carries, else the DOS time; 0 leaves that time as it is.
LARGE_INTEGER ChooseTime(const std::optional<int32_t>& unixTime, const std::optional<FILETIME>& fallback) {
  LARGE_INTEGER time{};
  const std::optional<FILETIME> chosen = unixTime ? std::optional<FILETIME>(FileTimeFromUnix(*unixTime)) : fallback;
  if (chosen) time.QuadPart = static_cast<LONGLONG>(chosen->dwHighDateTime) << 32 | chosen->dwLowDateTime;
  return time;
}

// Each time the extended timestamp carries replaces the DOS time, which counts as UTC, and the
// file ends with normal attributes; one call through the open handle does both. Failing to set
// them does not fail the extraction: the data is what matters.
void FinishFile(HANDLE file, const ReaderEntry& entry, const ByteString& localExtra) {
  FILETIME dosTime;
  const std::optional<FILETIME> fallback =
      FileTimeFromDosAsUtc(entry.dosTime, entry.dosDate, &dosTime) ? std::optional<FILETIME>(dosTime) : std::nullopt;
  const FoundTimes found = FindLocalTimestamp(localExtra.data(), localExtra.size());
  FILE_BASIC_INFO basic{};
  basic.CreationTime = ChooseTime(found.created, fallback);
  basic.LastAccessTime = ChooseTime(found.accessed, fallback);
  basic.LastWriteTime = ChooseTime(found.modified, fallback);
  basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic);
}

// A file already there may be read-only, hidden or system, which creating over it refuses; only
// then are its attributes made normal first, so a new file costs no call for it.
HANDLE CreateTargetFile(const std::wstring& path) {
  auto create = [&] {
    return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  HANDLE file = create();
  if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED &&
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL)) {
    file = create();
  }
  return file;
}

}  // namespace

// The file is created with normal attributes rather than those the entry names, so a file whose
// extraction fails half-way never stays hidden or read-only.
bool ExtractFileEntry(ZipReader& reader, const ReaderEntry& entry, const std::wstring& path, DataSpans& spans,
                      const ByteString* inflated) {
  if (!IsReadable(entry)) return false;
  OpenEntryData data(reader);
  if (!data.open() || !spans.Claim(reader.DataOffset(), entry.compressedSize)) return false;
  FileHandle file(CreateTargetFile(path));
  if (!file || !(inflated ? WriteInflated(file.get(), *inflated) : CopyData(reader, file.get()))) return false;
  FinishFile(file.get(), entry, reader.LocalExtra());
  return true;
}
