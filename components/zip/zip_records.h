// Byte layout of the ZIP records Pack writes: the local file header, the central directory
// header and the end of central directory record (no data descriptor, no comments). The ZIP64
// forms (an extra field with the wide values, and the ZIP64 end record with its locator) are
// written only where a value passes the classic limits, so an archive within them is classic.
#pragma once
#include <cstdint>
#include <string>

#include "components/services/little_endian.h"
#include "components/zip/extended_timestamp.h"

constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr uint32_t kEndRecordSignature = 0x06054B50;
constexpr uint32_t kZip64EndRecordSignature = 0x06064B50;
constexpr uint32_t kZip64LocatorSignature = 0x07064B50;

constexpr uint16_t kVersionNeeded = 20;
constexpr uint16_t kVersionNeededZip64 = 45;
// Format version 2.3 in the low byte, host system 11 in the high byte; 4.5 for ZIP64 entries.
constexpr uint16_t kVersionMadeBy = 0x0B17;
constexpr uint16_t kVersionMadeByZip64 = 0x0B2D;

// The classic fields' limits: a 32-bit field holding 0xFFFFFFFF, or a count of more than 65535
// entries, says "see the ZIP64 record".
constexpr uint64_t kClassicFieldLimit = 0xFFFFFFFF;
constexpr uint64_t kClassicEntryLimit = 0xFFFF;

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
constexpr size_t kZip64EndRecordSize = 56;
constexpr size_t kZip64LocatorSize = 20;
constexpr uint16_t kZip64ExtraId = 0x0001;

// Everything the headers of one entry say about it.
struct EntryRecord {
  std::string name;  // stored bytes, at most 65535
  uint16_t flags = 0;
  uint16_t method = kMethodStored;
  uint16_t dosTime = 0;
  uint16_t dosDate = 0;
  uint32_t crc = 0;
  uint64_t compressedSize = 0;
  uint64_t uncompressedSize = 0;
  UnixTimes times;
  uint32_t externalAttributes = 0;
  uint64_t localHeaderOffset = 0;  // used by the central header only
  // The local header carries both sizes in a ZIP64 extra field (chosen before the data is
  // written, for a source that may pass 4 GiB); the central header then carries them too.
  bool wideLocalSizes = false;
};

// Whether a value needs the ZIP64 form: it does not fit a classic 32-bit field.
constexpr bool PassesClassicField(uint64_t value) { return value >= kClassicFieldLimit; }
// Whether a source of `size` bytes may give an entry whose sizes pass the classic fields, with
// room for what deflating can add to data that does not compress.
constexpr bool MayPassClassicSizes(uint64_t size) { return size >= kClassicFieldLimit - (kClassicFieldLimit >> 8); }

// Local header with the 17-byte local timestamp field: 30 + name + 17 bytes; with wide local
// sizes a 20-byte ZIP64 field comes before the timestamp and both size fields read 0xFFFFFFFF.
ByteString LocalHeader(const EntryRecord& entry);
// Central header with the 9-byte central timestamp field: 46 + name + 9 bytes. A size or offset
// that passes its classic field reads 0xFFFFFFFF there and goes, 8 bytes wide, into a ZIP64
// field before the timestamp (uncompressed size, compressed size, offset, in that order).
ByteString CentralHeader(const EntryRecord& entry);
// Classic end record for `entryCount` entries whose central directory of `directorySize` bytes
// starts at `directoryOffset`.
ByteString EndRecord(uint16_t entryCount, uint32_t directorySize, uint32_t directoryOffset);
// What ends an archive whose central directory starts at `directoryOffset`: the classic end
// record alone while the count and both values fit it; otherwise the ZIP64 end record, its
// locator and a classic end record whose passed fields read 0xFFFF or 0xFFFFFFFF.
ByteString DirectoryEnd(uint64_t entryCount, uint64_t directorySize, uint64_t directoryOffset);
