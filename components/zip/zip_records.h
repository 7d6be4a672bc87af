// Byte layout of the three ZIP records Pack writes: the local file header, the central
// directory header and the end of central directory record (no ZIP64, no data descriptor,
// no comments).
#pragma once
#include <cstdint>
#include <string>

#include "components/zip/extended_timestamp.h"
#include "components/zip/le_bytes.h"

constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr uint32_t kEndRecordSignature = 0x06054B50;

constexpr uint16_t kVersionNeeded = 20;
// Format version 2.3 in the low byte, host system 11 in the high byte.
constexpr uint16_t kVersionMadeBy = 0x0B17;

constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflate = 8;

// General purpose flags: bit 1 marks deflate at maximum compression; bit 3 says sizes and CRC
// are not yet known (only ever on the provisional local header, which is rewritten); bit 11
// says the name is UTF-8 (never written, honoured when reading).
constexpr uint16_t kFlagMaximumCompression = 0x0002;
constexpr uint16_t kFlagSizesFollow = 0x0008;
constexpr uint16_t kFlagUtf8Name = 0x0800;
constexpr uint16_t kFlagEncrypted = 0x0001;

constexpr size_t kLocalHeaderFixedSize = 30;
constexpr size_t kCentralHeaderFixedSize = 46;
constexpr size_t kEndRecordSize = 22;

// Everything the headers of one entry say about it.
struct EntryRecord {
  std::string name;  // stored bytes, at most 65535
  uint16_t flags = 0;
  uint16_t method = kMethodStored;
  uint16_t dosTime = 0;
  uint16_t dosDate = 0;
  uint32_t crc = 0;
  uint32_t compressedSize = 0;
  uint32_t uncompressedSize = 0;
  UnixTimes times;
  uint32_t externalAttributes = 0;
  uint32_t localHeaderOffset = 0;  // used by the central header only
};

// Local header with the 17-byte local timestamp field: 30 + name + 17 bytes.
ByteBuffer LocalHeader(const EntryRecord& entry);
// Central header with the 9-byte central timestamp field: 46 + name + 9 bytes.
ByteBuffer CentralHeader(const EntryRecord& entry);
// End record for `entryCount` entries whose central directory of `directorySize` bytes starts
// at `directoryOffset`.
ByteBuffer EndRecord(uint16_t entryCount, uint32_t directorySize, uint32_t directoryOffset);
