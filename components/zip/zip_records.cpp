#include "components/zip/zip_records.h"

namespace {

void PutName(ByteString& out, const std::string& name) { out.insert(out.end(), name.begin(), name.end()); }

// A classic 32-bit field: the value, or 0xFFFFFFFF when it lives in the ZIP64 field.
uint32_t ClassicField(uint64_t value, bool wide) { return wide ? 0xFFFFFFFF : static_cast<uint32_t>(value); }

// Which of an entry's values the central header writes in its ZIP64 field.
struct WideValues {
  bool uncompressed = false;
  bool compressed = false;
  bool offset = false;

  bool any() const { return uncompressed || compressed || offset; }
  uint16_t fieldSize() const { return static_cast<uint16_t>(any() ? 4 + 8 * (uncompressed + compressed + offset) : 0); }
};

WideValues LocalWideValues(const EntryRecord& entry) {
  return {entry.wideLocalSizes, entry.wideLocalSizes, false};
}

WideValues CentralWideValues(const EntryRecord& entry) {
  return {entry.wideLocalSizes || PassesClassicField(entry.uncompressedSize),
          entry.wideLocalSizes || PassesClassicField(entry.compressedSize), PassesClassicField(entry.localHeaderOffset)};
}

void PutZip64Field(ByteString& out, const EntryRecord& entry, const WideValues& wide) {
  if (!wide.any()) return;
  PutLe16(out, kZip64ExtraId);
  PutLe16(out, static_cast<uint16_t>(wide.fieldSize() - 4));
  if (wide.uncompressed) PutLe64(out, entry.uncompressedSize);
  if (wide.compressed) PutLe64(out, entry.compressedSize);
  if (wide.offset) PutLe64(out, entry.localHeaderOffset);
}

// The run of fields that local and central headers share, from "version needed" to "extra
// field length".
void PutCommonFields(ByteString& out, const EntryRecord& entry, const WideValues& wide, uint16_t timestampSize) {
  PutLe16(out, wide.any() ? kVersionNeededZip64 : kVersionNeeded);
  PutLe16(out, entry.flags);
  PutLe16(out, entry.method);
  PutLe16(out, entry.dosTime);
  PutLe16(out, entry.dosDate);
  PutLe32(out, entry.crc);
  PutLe32(out, ClassicField(entry.compressedSize, wide.compressed));
  PutLe32(out, ClassicField(entry.uncompressedSize, wide.uncompressed));
  PutLe16(out, static_cast<uint16_t>(entry.name.size()));
  PutLe16(out, static_cast<uint16_t>(wide.fieldSize() + timestampSize));
}

ByteString Zip64EndRecord(uint64_t entryCount, uint64_t directorySize, uint64_t directoryOffset) {
  ByteString out;
  out.reserve(kZip64EndRecordSize);
  PutLe32(out, kZip64EndRecordSignature);
  PutLe64(out, kZip64EndRecordSize - 12);  // the record's size after this field
  PutLe16(out, kVersionMadeByZip64);
  PutLe16(out, kVersionNeededZip64);
  PutLe32(out, 0);  // number of this disk
  PutLe32(out, 0);  // disk where the central directory starts
  PutLe64(out, entryCount);
  PutLe64(out, entryCount);
  PutLe64(out, directorySize);
  PutLe64(out, directoryOffset);
  return out;
}

ByteString Zip64Locator(uint64_t endRecordOffset) {
  ByteString out;
  out.reserve(kZip64LocatorSize);
  PutLe32(out, kZip64LocatorSignature);
  PutLe32(out, 0);  // disk holding the ZIP64 end record
  PutLe64(out, endRecordOffset);
  PutLe32(out, 1);  // number of disks
  return out;
}

}  // namespace

ByteString LocalHeader(const EntryRecord& entry) {
  const WideValues wide = LocalWideValues(entry);
  ByteString out;
  out.reserve(kLocalHeaderFixedSize + entry.name.size() + wide.fieldSize() + kLocalTimestampSize);
  PutLe32(out, kLocalHeaderSignature);
  PutCommonFields(out, entry, wide, kLocalTimestampSize);
  PutName(out, entry.name);
  PutZip64Field(out, entry, wide);
  AppendLocalTimestamp(out, entry.times);
  return out;
}

ByteString CentralHeader(const EntryRecord& entry) {
  const WideValues wide = CentralWideValues(entry);
  ByteString out;
  out.reserve(kCentralHeaderFixedSize + entry.name.size() + wide.fieldSize() + kCentralTimestampSize);
  PutLe32(out, kCentralHeaderSignature);
  PutLe16(out, wide.any() ? kVersionMadeByZip64 : kVersionMadeBy);
  PutCommonFields(out, entry, wide, kCentralTimestampSize);
  PutLe16(out, 0);  // file comment length
  PutLe16(out, 0);  // disk number start
  PutLe16(out, 0);  // internal file attributes
  PutLe32(out, entry.externalAttributes);
  PutLe32(out, ClassicField(entry.localHeaderOffset, wide.offset));
  PutName(out, entry.name);
  PutZip64Field(out, entry, wide);
  AppendCentralTimestamp(out, entry.times);
  return out;
}

ByteString EndRecord(uint16_t entryCount, uint32_t directorySize, uint32_t directoryOffset) {
  ByteString out;
  out.reserve(kEndRecordSize);
  PutLe32(out, kEndRecordSignature);
  PutLe16(out, 0);  // number of this disk
  PutLe16(out, 0);  // disk where the central directory starts
  PutLe16(out, entryCount);
  PutLe16(out, entryCount);
  PutLe32(out, directorySize);
  PutLe32(out, directoryOffset);
  PutLe16(out, 0);  // comment length
  return out;
}

ByteString DirectoryEnd(uint64_t entryCount, uint64_t directorySize, uint64_t directoryOffset) {
  const bool wideCount = entryCount > kClassicEntryLimit;
  const bool wideSize = PassesClassicField(directorySize);
  const bool wideOffset = PassesClassicField(directoryOffset);
  const ByteString classic =
      EndRecord(wideCount ? 0xFFFF : static_cast<uint16_t>(entryCount), ClassicField(directorySize, wideSize),
                ClassicField(directoryOffset, wideOffset));
  if (!wideCount && !wideSize && !wideOffset) return classic;
  // The ZIP64 end record follows the central directory directly.
  ByteString out = Zip64EndRecord(entryCount, directorySize, directoryOffset);
  const ByteString locator = Zip64Locator(directoryOffset + directorySize);
  out.insert(out.end(), locator.begin(), locator.end());
  out.insert(out.end(), classic.begin(), classic.end());
  return out;
}
