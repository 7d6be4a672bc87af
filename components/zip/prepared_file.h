// A prepared-entry file opened for packing: what the file system says of it (its times and
// attributes become the entry's, as a source file's do) and what its header says of the data
// behind the header, which is copied into the archive as it stands.
#pragma once
#include <string>

#include "components/zip/entry_data.h"
#include "components/zip/prepared_header.h"
#include "components/zip/source_file.h"

struct PreparedFile {
  SourceFile source;  // positioned at the first byte of the data
  PreparedHeader header;
};

// Opens `path` and reads its header; false when it cannot be opened or read or its header is
// refused (ReadPreparedHeader).
bool OpenPreparedFile(const std::wstring& path, PreparedFile* prepared);

// Copies the data to `write` in pieces of up to 1 MiB, answering the header's CRC and
// uncompressed size with the bytes copied; not ok when the data cannot be read whole or a
// write fails.
EntryData CopyPreparedData(const PreparedFile& prepared, const WritePiece& write);
