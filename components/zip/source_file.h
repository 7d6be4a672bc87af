// A file being packed, opened for reading with read sharing, with what its entry records.
#pragma once
#include <cstdint>
#include <string>

#include "components/services/win_handle.h"
#include "components/zip/file_times.h"

struct SourceFile {
  FileHandle handle;  // positioned at the first byte
  uint64_t size = 0;
  uint32_t attributes = 0;  // FILE_ATTRIBUTE_* as the file system reports them
  EntryTimes times;
  bool executable = false;  // an MZ file whose new header carries PE, NE or LE
};

// Opens `path` and gathers the fields above; false when it cannot be opened or asked.
bool OpenSourceFile(const std::wstring& path, SourceFile* source);

// The same without reading a byte of the file (`executable` stays false): for a file whose
// bytes are not the entry's own, such as a prepared entry.
bool OpenSourceFileUnread(const std::wstring& path, SourceFile* source);

// Reads the next piece of `file`: the count read, 0 at the end, -1 on a read error.
int64_t ReadSourcePiece(HANDLE file, uint8_t* buffer, size_t capacity);
