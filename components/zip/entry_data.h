// The data of one entry: the source bytes stored as they are or as a raw deflate stream at
// level 8, moved in pieces of kPieceSize bytes so that no file is ever held whole in memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

constexpr size_t kPieceSize = 16384;

// Reads up to `capacity` bytes into `buffer`: the count read, 0 at the end, -1 on a read error.
using ReadPiece = std::function<int64_t(uint8_t* buffer, size_t capacity)>;
// Takes all `size` bytes, or answers false.
using WritePiece = std::function<bool(const uint8_t* bytes, size_t size)>;

struct EntryData {
  bool ok = false;
  uint32_t crc = 0;            // CRC-32 of the source bytes
  uint64_t bytesRead = 0;      // the uncompressed size
  uint64_t bytesWritten = 0;   // the compressed size
};

// Copies every source byte unchanged.
EntryData StoreData(const ReadPiece& read, const WritePiece& write);

// Deflates the source as a raw stream (no zlib header) at compression level 8.
EntryData DeflateData(const ReadPiece& read, const WritePiece& write);

// A file deflated before its entry was written: the stream DeflateData gave and its counts.
struct DeflatedSource {
  EntryData data;
  std::vector<uint8_t> bytes;
};

// Deflates the source into memory, as DeflateData writes it; `sourceSize` (what the source is
// expected to hold) sizes the buffer once.
DeflatedSource DeflateToMemory(const ReadPiece& read, uint64_t sourceSize);

// Writes a file deflated before, in pieces of kPieceSize bytes, with its counts.
EntryData WriteDeflated(const DeflatedSource& deflated, const WritePiece& write);
