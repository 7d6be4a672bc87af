#include "components/zip/entry_extractor.h"

#include <windows.h>

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

bool CopyData(ZipReader& reader, HANDLE file) {
  std::vector<uint8_t> piece(kPieceSize);
  while (true) {
    int count = reader.ReadData(piece.data(), static_cast<unsigned>(piece.size()));
    if (count < 0) return false;
    if (count == 0) return true;
    DWORD written = 0;
    if (!WriteFile(file, piece.data(), static_cast<DWORD>(count), &written, nullptr) ||
        written != static_cast<DWORD>(count))
      return false;
  }
}

const FILETIME* ChooseTime(const std::optional<int32_t>& unixTime, const FILETIME* fallback, FILETIME* slot) {
  if (!unixTime) return fallback;
  *slot = FileTimeFromUnix(*unixTime);
  return slot;
}

// Each time the extended timestamp carries replaces the DOS time, which counts as UTC. Failing
// to set times does not fail the extraction: the data is what matters.
void SetEntryTimes(HANDLE file, const ReaderEntry& entry, const ByteBuffer& localExtra) {
  FILETIME dosTime;
  const FILETIME* fallback = FileTimeFromDosAsUtc(entry.dosTime, entry.dosDate, &dosTime) ? &dosTime : nullptr;
  FoundTimes found = FindLocalTimestamp(localExtra.data(), localExtra.size());
  FILETIME written, accessed, created;
  SetFileTime(file, ChooseTime(found.created, fallback, &created), ChooseTime(found.accessed, fallback, &accessed),
              ChooseTime(found.modified, fallback, &written));
}

}  // namespace

// The file is created with normal attributes rather than those the entry names: the caller
// leaves it normal in any case, and a file whose extraction fails half-way should not stay
// hidden or read-only.
bool ExtractFileEntry(ZipReader& reader, const ReaderEntry& entry, const std::wstring& path, DataSpans& spans) {
  if (!IsReadable(entry)) return false;
  OpenEntryData data(reader);
  if (!data.open() || !spans.Claim(reader.DataOffset(), entry.compressedSize)) return false;
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file || !CopyData(reader, file.get())) return false;
  SetEntryTimes(file.get(), entry, reader.LocalExtra());
  return true;
}
