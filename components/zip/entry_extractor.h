// Writes one file entry of an archive to disk.
#pragma once
#include <string>

#include "components/zip/data_spans.h"
#include "components/zip/zip_reader.h"

// Extracts the reader's current entry (described by `entry`) to `path`: the file is created or
// overwritten (its folder must exist), the data is written in pieces of 16384 bytes, and its
// times are set from the local extended-timestamp field, or from the DOS time and date read
// as UTC. False when the entry is encrypted or uses a method other than stored or deflate,
// its local header or data is damaged, its data overlaps data already claimed in `spans` (the
// file is then not created), or the file cannot be created or written; a partly written file
// stays.
// `inflated`, when given, is the entry's whole data as the reader would give it (read ahead by
// another reader), written at once instead of read again.
bool ExtractFileEntry(ZipReader& reader, const ReaderEntry& entry, const std::wstring& path, DataSpans& spans,
                      const ByteString* inflated = nullptr);
