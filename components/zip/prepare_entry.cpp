// PrepareEntry: an entry's data made while the recording runs, so that the save only copies it.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "components/services/file_bytes.h"
#include "components/services/wide_text.h"
#include "components/zip/archive_writer.h"
#include "components/zip/entry_attributes.h"
#include "components/zip/entry_data.h"
#include "components/zip/prepared_header.h"
#include "components/zip/source_file.h"
#include "components/zip/zip.h"
#include "components/zip/zip_records.h"

namespace {

constexpr size_t kProgramHeadSize = 64;

// Hands out `bytes` in the pieces asked for, as reading a file holding them would.
ReadPiece ReadFrom(std::span<const uint8_t> bytes) {
  return [bytes, at = size_t{0}](uint8_t* buffer, size_t capacity) mutable {
    size_t count = std::min(capacity, bytes.size() - at);
    std::memcpy(buffer, bytes.data() + at, count);
    at += count;
    return static_cast<int64_t>(count);
  };
}

// The test folder mode makes of a file's first bytes for the owner-execute bit.
bool IsProgram(std::span<const uint8_t> bytes) {
  uint32_t offset = NewHeaderOffset(bytes.data(), std::min(bytes.size(), kProgramHeadSize));
  return offset != 0 && offset < bytes.size() && IsExecutableSignature(bytes.data() + offset, bytes.size() - offset);
}

bool WritePrepared(const std::string& path, const PreparedHeader& header, std::span<const uint8_t> data) {
  const ByteString head = PreparedHeaderBytes(header);
  return WriteFileParts(path, {std::span<const uint8_t>(head), data});
}

// A stored entry's data is the bytes themselves; only its counts are made.
bool PrepareStored(std::span<const uint8_t> bytes, PreparedHeader& header, const std::string& path) {
  EntryData counted = StoreData(ReadFrom(bytes), [](const uint8_t*, size_t) { return true; });
  header.method = kMethodStored;
  header.crc = counted.crc;
  header.uncompressedSize = header.dataSize = counted.bytesRead;
  return counted.ok && WritePrepared(path, header, bytes);
}

bool PrepareDeflated(std::span<const uint8_t> bytes, PreparedHeader& header, const std::string& path) {
  DeflatedSource deflated = DeflateToMemory(ReadFrom(bytes), bytes.size());
  header.method = kMethodDeflate;
  header.crc = deflated.data.crc;
  header.uncompressedSize = deflated.data.bytesRead;
  header.dataSize = deflated.data.bytesWritten;
  return deflated.data.ok && WritePrepared(path, header, deflated.bytes);
}

// The file's data deflated straight into the prepared file behind a header, whose counts are
// written once they are known: a long take's sound never sits whole in memory.
bool PrepareDeflatedFile(SourceFile& source, PreparedHeader& header, const std::string& path) {
  FileHandle target(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!target) return false;
  const auto write = [&target](const uint8_t* bytes, size_t size) {
    DWORD written = 0;
    return WriteFile(target.get(), bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
  };
  ByteString head = PreparedHeaderBytes(header);
  if (!write(head.data(), head.size())) return false;
  const EntryData deflated = DeflateData(
      [&source](uint8_t* buffer, size_t capacity) { return ReadSourcePiece(source.handle.get(), buffer, capacity); }, write);
  if (!deflated.ok || deflated.bytesRead != source.size) return false;
  header.method = kMethodDeflate;
  header.crc = deflated.crc;
  header.uncompressedSize = deflated.bytesRead;
  header.dataSize = deflated.bytesWritten;
  head = PreparedHeaderBytes(header);
  return SetFilePointer(target.get(), 0, nullptr, FILE_BEGIN) == 0 && write(head.data(), head.size());
}

}  // namespace

// A file that could not be written whole is removed, so that no half-made entry lies about.
int PrepareEntry(const std::string& name, std::span<const uint8_t> bytes, const std::string& preparedPath) {
  if (name.empty() || preparedPath.empty()) return kZipBadArguments;
  PreparedHeader header;
  header.executable = IsProgram(bytes);
  bool prepared = ArchiveWriter::Deflates(name) ? PrepareDeflated(bytes, header, preparedPath)
                                                : PrepareStored(bytes, header, preparedPath);
  if (prepared) return kZipDone;
  DeleteFileW(Widen(preparedPath).c_str());
  return kZipFailed;
}

int PrepareFileEntry(const std::string& name, const std::string& sourcePath, const std::string& preparedPath) {
  if (name.empty() || sourcePath.empty() || preparedPath.empty() || !ArchiveWriter::Deflates(name)) return kZipBadArguments;
  SourceFile source;
  if (!OpenSourceFile(Widen(sourcePath), &source)) return kZipFailed;
  PreparedHeader header;
  header.executable = source.executable;
  if (PrepareDeflatedFile(source, header, preparedPath)) return kZipDone;
  DeleteFileW(Widen(preparedPath).c_str());
  return kZipFailed;
}
