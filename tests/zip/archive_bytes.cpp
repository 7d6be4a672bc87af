#include "tests/zip/archive_bytes.h"

#include <zlib.h>

namespace {

constexpr uint16_t kTestDosTime = 3 << 11 | 4 << 5 | 3;
constexpr uint16_t kTestDosDate = 40 << 9 | 1 << 5 | 2;

void Append(Bytes& out, const ByteString& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

EntryRecord RecordOf(const TestEntry& entry, size_t offset) {
  EntryRecord record;
  record.name = entry.name;
  record.flags = entry.flags;
  record.method = entry.method;
  record.dosTime = kTestDosTime;
  record.dosDate = kTestDosDate;
  const std::string& plain = entry.plain.empty() ? entry.data : entry.plain;
  record.crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(plain.data()), static_cast<uInt>(plain.size())));
  record.compressedSize = static_cast<uint32_t>(entry.data.size());
  record.uncompressedSize = static_cast<uint32_t>(plain.size());
  record.externalAttributes = entry.externalAttributes;
  record.localHeaderOffset = static_cast<uint32_t>(offset);
  record.times = entry.times;
  return record;
}

// Cuts the timestamp field off a header whose extra-length field sits at `lengthAt`.
ByteString WithoutTimestamp(ByteString header, size_t lengthAt, size_t fieldSize) {
  header.resize(header.size() - fieldSize);
  header[lengthAt] = 0;
  header[lengthAt + 1] = 0;
  return header;
}

ByteString LocalHeaderOf(const TestEntry& entry, const EntryRecord& record) {
  ByteString header = LocalHeader(record);
  return entry.timestamp ? header : WithoutTimestamp(header, 28, kLocalTimestampSize);
}

ByteString CentralHeaderOf(const TestEntry& entry, const EntryRecord& record) {
  ByteString header = CentralHeader(record);
  return entry.timestamp ? header : WithoutTimestamp(header, 30, kCentralTimestampSize);
}

void ReadCommonFields(const Bytes& bytes, size_t at, EntryRecord& fields) {
  fields.flags = Le16(bytes, at + 2);
  fields.method = Le16(bytes, at + 4);
  fields.dosTime = Le16(bytes, at + 6);
  fields.dosDate = Le16(bytes, at + 8);
  fields.crc = Le32(bytes, at + 10);
  fields.compressedSize = Le32(bytes, at + 14);
  fields.uncompressedSize = Le32(bytes, at + 18);
}

Bytes Slice(const Bytes& bytes, size_t at, size_t size) {
  return Bytes(bytes.begin() + static_cast<ptrdiff_t>(at), bytes.begin() + static_cast<ptrdiff_t>(at + size));
}

}  // namespace

TestEntry FolderEntry(const std::string& name) { return TestEntry{name, "", 0x41C00010}; }

std::string Deflated(const std::string& plain, bool finished) {
  z_stream stream{};
  deflateInit2(&stream, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  std::string packed(deflateBound(&stream, static_cast<uLong>(plain.size())) + 16, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(plain.data()));
  stream.avail_in = static_cast<uInt>(plain.size());
  stream.next_out = reinterpret_cast<Bytef*>(packed.data());
  stream.avail_out = static_cast<uInt>(packed.size());
  deflate(&stream, finished ? Z_FINISH : Z_FULL_FLUSH);
  packed.resize(stream.total_out);
  deflateEnd(&stream);
  return packed;
}

TestEntry DeflatedEntry(const std::string& name, const std::string& plain) {
  TestEntry entry{name, Deflated(plain), 0x81800020, 0x0002, kMethodDeflate};
  entry.plain = plain;
  return entry;
}

Bytes BuildArchive(const std::vector<TestEntry>& entries) {
  Bytes archive;
  std::vector<EntryRecord> records;
  for (const TestEntry& entry : entries) {
    records.push_back(RecordOf(entry, archive.size()));
    Append(archive, LocalHeaderOf(entry, records.back()));
    archive.insert(archive.end(), entry.data.begin(), entry.data.end());
  }
  size_t directoryOffset = archive.size();
  for (size_t i = 0; i < entries.size(); ++i) Append(archive, CentralHeaderOf(entries[i], records[i]));
  Append(archive, EndRecord(static_cast<uint16_t>(records.size()), static_cast<uint32_t>(archive.size() - directoryOffset),
                            static_cast<uint32_t>(directoryOffset)));
  return archive;
}

std::vector<ReadRecord> LocalRecords(const Bytes& archive) {
  std::vector<ReadRecord> records;
  size_t at = 0;
  while (at + kLocalHeaderFixedSize <= archive.size() && Le32(archive, at) == kLocalHeaderSignature) {
    ReadRecord record;
    record.offset = at;
    ReadCommonFields(archive, at + 4, record.fields);
    size_t nameSize = Le16(archive, at + 26);
    size_t extraSize = Le16(archive, at + 28);
    Bytes name = Slice(archive, at + 30, nameSize);
    record.fields.name.assign(name.begin(), name.end());
    record.extra = Slice(archive, at + 30 + nameSize, extraSize);
    record.dataOffset = at + 30 + nameSize + extraSize;
    records.push_back(record);
    at = record.dataOffset + record.fields.compressedSize;
  }
  return records;
}

std::vector<ReadRecord> CentralRecords(const Bytes& archive) {
  std::vector<ReadRecord> records;
  size_t end = archive.size() - kEndRecordSize;
  size_t count = Le16(archive, end + 10);
  size_t at = Le32(archive, end + 16);
  for (size_t i = 0; i < count; ++i) {
    ReadRecord record;
    record.offset = at;
    record.versionMadeBy = Le16(archive, at + 4);
    ReadCommonFields(archive, at + 6, record.fields);
    size_t nameSize = Le16(archive, at + 28);
    size_t extraSize = Le16(archive, at + 30);
    record.fields.externalAttributes = Le32(archive, at + 38);
    record.fields.localHeaderOffset = Le32(archive, at + 42);
    Bytes name = Slice(archive, at + 46, nameSize);
    record.fields.name.assign(name.begin(), name.end());
    record.extra = Slice(archive, at + 46 + nameSize, extraSize);
    records.push_back(record);
    at += 46 + nameSize + extraSize;
  }
  return records;
}
