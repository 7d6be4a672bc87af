// Reads an archive through its central directory with minizip's unzip interface, over
// UTF-16 paths. Walks the entries in order; one entry's data is open at a time.
#pragma once
#include <cstdint>
#include <string>

#include "components/services/little_endian.h"

// What the central directory says about an entry.
struct ReaderEntry {
  std::string name;  // stored bytes (code page per flag bit 11), may hold any byte
  uint16_t flags = 0;
  uint16_t method = 0;
  uint64_t compressedSize = 0;
  uint64_t uncompressedSize = 0;  // as declared
  uint16_t dosTime = 0;
  uint16_t dosDate = 0;
  uint32_t externalAttributes = 0;
};

class ZipReader {
 public:
  ZipReader() = default;
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  // Opens the archive and finds its central directory; false when that fails.
  bool Open(const std::wstring& path);

  // Counts the entries by walking the central directory to its end; false when a header on
  // the way cannot be read. The walk is bounded by the file's size whatever the end record
  // claims.
  bool CountEntries(uint64_t* count);

  // Where a move lands: on an entry, past the last one (the end record's count is the last
  // word), or on a damaged header.
  enum class Step { Entry, End, Broken };
  Step First();
  Step Next();

  // Where an entry's central header lies and its index, to come back to it.
  struct Place {
    uint64_t directoryOffset = 0;
    uint64_t index = 0;
  };
  // The current entry's place.
  Place CurrentPlace();
  // Moves to an entry at a place CurrentPlace gave.
  Step GoTo(const Place& place);

  // The current entry's central directory fields; false when they cannot be read.
  bool CurrentEntry(ReaderEntry* entry);

  // Opens the current entry's data (checking its local header); false on failure.
  bool OpenData();
  // Where the open entry's data begins in the archive file.
  uint64_t DataOffset();
  // The open entry's local extra field block (at most 65535 bytes).
  ByteString LocalExtra();
  // Reads the next piece of uncompressed data: the count, 0 at the end, negative on damaged
  // data.
  int ReadData(uint8_t* buffer, unsigned capacity);
  void CloseData();

 private:
  void* zip_ = nullptr;  // unzFile, kept opaque so that minizip's headers stay in the .cpp
  uint64_t declaredEntries_ = 0;
  uint64_t current_ = 0;  // index of the current entry
};
