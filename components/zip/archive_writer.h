// Writes a ZIP archive entry by entry: each entry's local header goes out first with
// provisional values (flag 0x0008), its data follows, and the header is rewritten in place
// with the real CRC and sizes, so no data descriptor is needed. Close writes the central
// directory and the end record. ZIP64 fields and records appear only where a size, an offset or
// the entry count passes the classic limits.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "components/services/win_handle.h"
#include "components/zip/entry_data.h"
#include "components/zip/zip_records.h"

class ArchiveWriter {
 public:
  // Creates or truncates the archive (write access, no sharing); false when it cannot.
  bool Create(const std::wstring& path);

  // Adds the file at `sourcePath` under `relativeName` (UTF-8, "\" or "/" between elements).
  // False when the entry is refused: the archive failed or is closed, the name is empty, the
  // source cannot be opened or read, a write fails, or the name passes 65535 bytes. A refused
  // entry leaves
  // nothing of itself in the archive. `deflated`, when given, is the file's data deflated
  // before (DeflateAhead) and is written in place of deflating it now.
  bool AddFile(const std::wstring& sourcePath, const std::string& relativeName,
               const DeflatedSource* deflated = nullptr);

  // Adds the entry a file of `relativeName` holding the prepared file's source bytes would get,
  // with the prepared file's own times and attributes, copying the data it holds. False on the
  // refusals of AddFile, and when the prepared file's header is refused or its method is not
  // the one the name gets.
  bool AddPrepared(const std::wstring& preparedPath, const std::string& relativeName);

  // Whether a file entry of that name is deflated (otherwise it is stored).
  static bool Deflates(const std::string& relativeName);

  // Adds a folder entry (name ending in "/", stored, no data, stamped with the current time).
  // False on the same refusals as AddFile.
  bool AddFolder(const std::string& relativeName);

  // Writes the central directory and the end record and closes the file. False when a write
  // fails or the archive was not open; the file is closed in every case.
  bool Close();

 private:
  // Produces an entry's data through the archive's writer.
  using DataWriter = std::function<EntryData(const WritePiece& write)>;
  // Writes the provisional local header, the data, and the final local header in place.
  bool WriteEntry(EntryRecord entry, const DataWriter& writeData);
  bool CanAdd(const std::string& storedName) const;
  bool Write(const uint8_t* bytes, size_t size);
  bool Write(const ByteString& bytes) { return Write(bytes.data(), bytes.size()); }
  bool SeekTo(uint64_t offset);
  void DropEntryFrom(uint64_t offset);

  FileHandle file_;
  std::vector<EntryRecord> entries_;
  uint64_t position_ = 0;
  bool failed_ = false;
};
