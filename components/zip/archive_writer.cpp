#include "components/zip/archive_writer.h"

#include <limits>

#include "components/zip/entry_attributes.h"
#include "components/zip/entry_method.h"
#include "components/zip/entry_name.h"
#include "components/zip/file_times.h"
#include "components/zip/prepared_file.h"
#include "components/zip/source_file.h"

namespace {

constexpr size_t kMaxNameBytes = std::numeric_limits<uint16_t>::max();

EntryData NoData(const WritePiece&) { return EntryData{true, 0, 0, 0}; }

EntryRecord RecordFor(const std::string& storedName, uint16_t method, const EntryTimes& times) {
  EntryRecord entry;
  entry.name = storedName;
  entry.method = method;
  entry.dosTime = times.dos.time;
  entry.dosDate = times.dos.date;
  entry.times = times.unixTimes;
  return entry;
}

// A file entry's record before its data: the source's times and attributes, a file of `size`
// bytes (the method's data sizes follow once written).
EntryRecord FileRecordFor(const std::string& storedName, const SourceFile& source, uint64_t size, bool executable) {
  EntryRecord entry = RecordFor(storedName, MethodForFile(storedName), source.times);
  entry.externalAttributes = FileEntryAttributes(source.attributes, executable);
  entry.uncompressedSize = size;
  entry.wideLocalSizes = MayPassClassicSizes(size);
  if (entry.method == kMethodStored) entry.compressedSize = entry.uncompressedSize;
  return entry;
}

}  // namespace

bool ArchiveWriter::Create(const std::wstring& path) {
  file_.reset(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  entries_.clear();
  position_ = 0;
  failed_ = false;
  return static_cast<bool>(file_);
}

bool ArchiveWriter::AddFile(const std::wstring& sourcePath, const std::string& relativeName,
                            const DeflatedSource* deflated) {
  std::string name = StoredEntryName(relativeName, false);
  if (relativeName.empty() || !CanAdd(name)) return false;
  SourceFile source;
  if (!OpenSourceFile(sourcePath, &source)) return false;

  EntryRecord entry = FileRecordFor(name, source, source.size, source.executable);
  HANDLE file = source.handle.get();
  ReadPiece read = [file](uint8_t* buffer, size_t capacity) { return ReadSourcePiece(file, buffer, capacity); };
  bool deflate = entry.method == kMethodDeflate;
  return WriteEntry(entry, [&](const WritePiece& write) {
    if (!deflate) return StoreData(read, write);
    return deflated ? WriteDeflated(*deflated, write) : DeflateData(read, write);
  });
}

bool ArchiveWriter::AddPrepared(const std::wstring& preparedPath, const std::string& relativeName) {
  std::string name = StoredEntryName(relativeName, false);
  if (relativeName.empty() || !CanAdd(name)) return false;
  PreparedFile prepared;
  if (!OpenPreparedFile(preparedPath, &prepared) || prepared.header.method != MethodForFile(name)) return false;
  const PreparedHeader& header = prepared.header;
  EntryRecord entry = FileRecordFor(name, prepared.source, header.uncompressedSize, header.executable);
  return WriteEntry(entry, [&](const WritePiece& write) { return CopyPreparedData(prepared, write); });
}

bool ArchiveWriter::Deflates(const std::string& relativeName) {
  return MethodForFile(StoredEntryName(relativeName, false)) == kMethodDeflate;
}

bool ArchiveWriter::AddFolder(const std::string& relativeName) {
  std::string name = StoredEntryName(relativeName, true);
  if (relativeName.empty() || !CanAdd(name)) return false;
  EntryRecord entry = RecordFor(name, kMethodStored, EntryTimesNow());
  entry.externalAttributes = kFolderEntryAttributes;
  return WriteEntry(entry, NoData);
}

bool ArchiveWriter::Close() {
  if (!file_) return false;
  uint64_t directoryOffset = position_;
  bool ok = !failed_;
  for (const EntryRecord& entry : entries_) ok = ok && Write(CentralHeader(entry));
  uint64_t directorySize = position_ - directoryOffset;
  ok = ok && Write(DirectoryEnd(entries_.size(), directorySize, directoryOffset));
  file_.reset();
  return ok;
}

bool ArchiveWriter::WriteEntry(EntryRecord entry, const DataWriter& writeData) {
  uint64_t start = position_;
  entry.localHeaderOffset = start;
  entry.flags = kFlagSizesFollow;
  EntryData data;
  if (Write(LocalHeader(entry))) data = writeData([this](const uint8_t* bytes, size_t size) { return Write(bytes, size); });
  uint64_t end = position_;
  // The local header was written at its final size: sizes that pass the classic fields fit
  // only where it made room for them.
  bool fits = entry.wideLocalSizes || (!PassesClassicField(data.bytesRead) && !PassesClassicField(data.bytesWritten));
  entry.flags = entry.method == kMethodDeflate ? kFlagMaximumCompression : 0;
  entry.crc = data.crc;
  entry.compressedSize = data.bytesWritten;
  entry.uncompressedSize = data.bytesRead;
  if (!data.ok || !fits || !SeekTo(start) || !Write(LocalHeader(entry)) || !SeekTo(end)) {
    DropEntryFrom(start);
    return false;
  }
  entries_.push_back(entry);
  return true;
}

bool ArchiveWriter::CanAdd(const std::string& storedName) const {
  return file_ && !failed_ && storedName.size() <= kMaxNameBytes;
}

// Every piece handed over is a header or a piece of data far below 4 GiB.
bool ArchiveWriter::Write(const uint8_t* bytes, size_t size) {
  DWORD written = 0;
  if (!WriteFile(file_.get(), bytes, static_cast<DWORD>(size), &written, nullptr) || written != size) return false;
  position_ += size;
  return true;
}

bool ArchiveWriter::SeekTo(uint64_t offset) {
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN)) return false;
  position_ = offset;
  return true;
}

// Cuts the archive back to where a refused entry began, so that it keeps only whole entries;
// if even that fails, the archive takes no more entries.
void ArchiveWriter::DropEntryFrom(uint64_t offset) {
  if (!SeekTo(offset) || !SetEndOfFile(file_.get())) failed_ = true;
}
