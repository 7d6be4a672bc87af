#include "components/zip/zip_records.h"

namespace {

void PutName(ByteBuffer& out, const std::string& name) { out.insert(out.end(), name.begin(), name.end()); }

// The run of fields that local and central headers share, from "version needed" to "extra
// field length".
void PutCommonFields(ByteBuffer& out, const EntryRecord& entry, uint16_t extraSize) {
  PutLe16(out, kVersionNeeded);
  PutLe16(out, entry.flags);
  PutLe16(out, entry.method);
  PutLe16(out, entry.dosTime);
  PutLe16(out, entry.dosDate);
  PutLe32(out, entry.crc);
  PutLe32(out, entry.compressedSize);
  PutLe32(out, entry.uncompressedSize);
  PutLe16(out, static_cast<uint16_t>(entry.name.size()));
  PutLe16(out, extraSize);
}

}  // namespace

ByteBuffer LocalHeader(const EntryRecord& entry) {
  ByteBuffer out;
  out.reserve(kLocalHeaderFixedSize + entry.name.size() + kLocalTimestampSize);
  PutLe32(out, kLocalHeaderSignature);
  PutCommonFields(out, entry, kLocalTimestampSize);
  PutName(out, entry.name);
  AppendLocalTimestamp(out, entry.times);
  return out;
}

ByteBuffer CentralHeader(const EntryRecord& entry) {
  ByteBuffer out;
  out.reserve(kCentralHeaderFixedSize + entry.name.size() + kCentralTimestampSize);
  PutLe32(out, kCentralHeaderSignature);
  PutLe16(out, kVersionMadeBy);
  PutCommonFields(out, entry, kCentralTimestampSize);
  PutLe16(out, 0);  // file comment length
  PutLe16(out, 0);  // disk number start
  PutLe16(out, 0);  // internal file attributes
  PutLe32(out, entry.externalAttributes);
  PutLe32(out, entry.localHeaderOffset);
  PutName(out, entry.name);
  AppendCentralTimestamp(out, entry.times);
  return out;
}

ByteBuffer EndRecord(uint16_t entryCount, uint32_t directorySize, uint32_t directoryOffset) {
  ByteBuffer out;
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
