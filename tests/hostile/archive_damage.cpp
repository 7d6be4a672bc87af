#include "tests/hostile/archive_damage.h"

#include <windows.h>
#include <zlib.h>

#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "tests/support/temp_folder.h"

namespace {

void SetLe(Bytes& bytes, size_t at, uint64_t value, int width) {
  for (int i = 0; i < width; ++i) bytes.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t GetLe(const Bytes& bytes, size_t at, int width) {
  uint64_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

void Append(Bytes& out, const ByteString& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

struct Field {
  const char* name;
  size_t at;  // from the record's start
  int width;
};

constexpr Field kLocalFields[] = {
    {"version", 4, 2},          {"flags", 6, 2}, {"method", 8, 2},       {"crc", 14, 4},
    {"compressed size", 18, 4}, {"size", 22, 4}, {"name length", 26, 2}, {"extra length", 28, 2}};
constexpr Field kCentralFields[] = {{"made by", 4, 2},      {"version", 6, 2},          {"flags", 8, 2},
                                    {"method", 10, 2},      {"compressed size", 20, 4}, {"size", 24, 4},
                                    {"name length", 28, 2}, {"extra length", 30, 2},    {"comment length", 32, 2},
                                    {"disk", 34, 2},        {"attributes", 38, 4},      {"local offset", 42, 4}};
constexpr Field kEndFields[] = {{"disk", 4, 2},           {"directory disk", 6, 2},  {"entries on disk", 8, 2},
                                {"entries", 10, 2},       {"directory size", 12, 4}, {"directory offset", 16, 4},
                                {"comment length", 20, 2}};

void AddLies(std::vector<FieldLie>& lies, const Bytes& good, const std::string& record, size_t start,
             const Field* fields, size_t fieldCount) {
  for (size_t f = 0; f < fieldCount; ++f) {
    const Field& field = fields[f];
    const uint64_t ones = field.width == 2 ? 0xFFFF : 0xFFFFFFFF;
    const uint64_t own = GetLe(good, start + field.at, field.width);
    for (uint64_t value : {uint64_t{0}, uint64_t{1}, ones >> 1, ones, uint64_t{good.size()}, uint64_t{good.size() + 1},
                           own + 1, own - 1}) {
      Bytes lying = good;
      SetLe(lying, start + field.at, value & ones, field.width);
      lies.push_back({record + " " + field.name + " = " + std::to_string(value & ones), lying});
    }
  }
}

// Raw deflate (no zlib header) of `size` zero bytes, at the best compression, made piece by
// piece so that neither the zeros nor a buffer of their size is ever held.
Bytes DeflatedZeros(uint32_t size) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
  const Bytes zeros(1 << 16, 0);
  Bytes piece(1 << 16);
  Bytes out;
  for (uint32_t left = size;;) {
    const uint32_t count = std::min<uint32_t>(left, static_cast<uint32_t>(zeros.size()));
    left -= count;
    stream.next_in = const_cast<uint8_t*>(zeros.data());
    stream.avail_in = count;
    int status;
    do {
      stream.next_out = piece.data();
      stream.avail_out = static_cast<uInt>(piece.size());
      status = deflate(&stream, left == 0 ? Z_FINISH : Z_NO_FLUSH);
      out.insert(out.end(), piece.begin(), piece.end() - stream.avail_out);
    } while (stream.avail_out == 0);
    if (status == Z_STREAM_END) break;
  }
  deflateEnd(&stream);
  return out;
}

EntryRecord DeflatedRecord(const std::string& name, const Bytes& data, uint32_t plainSize, uint32_t offset) {
  EntryRecord record;
  record.name = name;
  record.method = kMethodDeflate;
  record.compressedSize = static_cast<uint32_t>(data.size());
  record.uncompressedSize = plainSize;
  record.externalAttributes = 0x81800020;
  record.localHeaderOffset = offset;
  return record;
}

EntryRecord StoredRecord(const std::string& name, const Bytes& data, uint32_t offset) {
  EntryRecord record;
  record.name = name;
  record.compressedSize = record.uncompressedSize = static_cast<uint32_t>(data.size());
  record.externalAttributes = 0x81800020;
  record.localHeaderOffset = offset;
  return record;
}

// Local headers with their data, then the central headers of `central` and the end record.
Bytes WithDirectory(Bytes archive, const std::vector<EntryRecord>& central) {
  const size_t directory = archive.size();
  for (const EntryRecord& record : central) Append(archive, CentralHeader(record));
  Append(archive, EndRecord(static_cast<uint16_t>(central.size()), static_cast<uint32_t>(archive.size() - directory),
                            static_cast<uint32_t>(directory)));
  return archive;
}

// One stored entry "z.bin" whose central header carries a ZIP64 extra field with `sizes`
// (size, compressed size, local offset) in place of the 32-bit fields marked 0xFFFFFFFF, then
// a ZIP64 end record and locator, and a plain end record that defers to them.
struct Zip64Lie {
  const char* what;
  uint64_t extra[3];  // size, compressed size, local header offset; ~0 keeps the true value
  uint64_t entries;
  uint64_t directorySize;  // ~0 keeps the true value
  uint64_t directoryOffset;
  uint64_t locatorOffset;  // where the locator says the ZIP64 end record is
};

constexpr uint64_t kTrue = ~uint64_t{0};

Bytes Zip64Archive(const Zip64Lie& lie) {
  const Bytes data = {'d', 'a', 't', 'a'};
  EntryRecord record = StoredRecord("z.bin", data, 0);
  Bytes archive;
  Append(archive, LocalHeader(record));
  archive.insert(archive.end(), data.begin(), data.end());
  const uint64_t truth[3] = {data.size(), data.size(), 0};
  const size_t directory = archive.size();
  Append(archive, CentralHeader(record));
  Bytes extra = {0x01, 0x00, 24, 0};
  for (int i = 0; i < 3; ++i) {
    Bytes field(8);
    SetLe(field, 0, lie.extra[i] == kTrue ? truth[i] : lie.extra[i], 8);
    extra.insert(extra.end(), field.begin(), field.end());
  }
  SetLe(archive, directory + 20, 0xFFFFFFFF, 4);
  SetLe(archive, directory + 24, 0xFFFFFFFF, 4);
  SetLe(archive, directory + 42, 0xFFFFFFFF, 4);
  // The central timestamp field is replaced by the ZIP64 field.
  archive.resize(archive.size() - kCentralTimestampSize);
  SetLe(archive, directory + 30, extra.size(), 2);
  archive.insert(archive.end(), extra.begin(), extra.end());
  const uint64_t directorySize = archive.size() - directory;

  const size_t end64 = archive.size();
  Bytes record64(56);
  SetLe(record64, 0, 0x06064B50, 4);
  SetLe(record64, 4, 44, 8);
  SetLe(record64, 12, 45, 2);
  SetLe(record64, 14, 45, 2);
  SetLe(record64, 24, lie.entries, 8);
  SetLe(record64, 32, lie.entries, 8);
  SetLe(record64, 40, lie.directorySize == kTrue ? directorySize : lie.directorySize, 8);
  SetLe(record64, 48, lie.directoryOffset == kTrue ? directory : lie.directoryOffset, 8);
  archive.insert(archive.end(), record64.begin(), record64.end());
  Bytes locator(20);
  SetLe(locator, 0, 0x07064B50, 4);
  SetLe(locator, 8, lie.locatorOffset == kTrue ? end64 : lie.locatorOffset, 8);
  SetLe(locator, 16, 1, 4);
  archive.insert(archive.end(), locator.begin(), locator.end());
  Bytes end = EndRecord(0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
  archive.insert(archive.end(), end.begin(), end.end());
  return archive;
}

}  // namespace

Bytes PackedSample() {
  TempFolder source;
  std::string picture(3000, '\0');
  for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<char>((i * 2654435761u) >> 13);
  MakeFolder(source / "sub");
  WriteText(source / "1.jpg", picture);
  WriteText(source / "2.jpg", std::string(5000, 'a') + "frame");
  WriteText(source / "x.zip", "stored as it is");
  WriteText(source / "sub\\3.jpg", "frame three");
  TempFolder out;
  Pack(nullptr, source.path(), out / "sample.vmrc");
  return ReadBytes(out / "sample.vmrc");
}

std::vector<FieldLie> LyingFields(const Bytes& good) {
  std::vector<FieldLie> lies;
  const std::vector<ReadRecord> local = LocalRecords(good);
  const std::vector<ReadRecord> central = CentralRecords(good);
  AddLies(lies, good, "first local", local.front().offset, kLocalFields, std::size(kLocalFields));
  AddLies(lies, good, "last local", local.back().offset, kLocalFields, std::size(kLocalFields));
  AddLies(lies, good, "first central", central.front().offset, kCentralFields, std::size(kCentralFields));
  AddLies(lies, good, "last central", central.back().offset, kCentralFields, std::size(kCentralFields));
  AddLies(lies, good, "end", good.size() - kEndRecordSize, kEndFields, std::size(kEndFields));
  return lies;
}

std::vector<FieldLie> LyingZip64Records() {
  constexpr uint64_t kHuge = uint64_t{1} << 63;
  constexpr uint64_t kBeyond = uint64_t{1} << 40;
  const Zip64Lie lies[] = {
      {"zip64 as it should be", {kTrue, kTrue, kTrue}, 1, kTrue, kTrue, kTrue},
      {"zip64 2^63 entries", {kTrue, kTrue, kTrue}, kHuge, kTrue, kTrue, kTrue},
      {"zip64 2^32 + 1 entries", {kTrue, kTrue, kTrue}, (uint64_t{1} << 32) + 1, kTrue, kTrue, kTrue},
      {"zip64 no entries", {kTrue, kTrue, kTrue}, 0, kTrue, kTrue, kTrue},
      {"zip64 huge directory size", {kTrue, kTrue, kTrue}, 1, kHuge, kTrue, kTrue},
      {"zip64 directory size 0", {kTrue, kTrue, kTrue}, 1, 0, kTrue, kTrue},
      {"zip64 directory beyond the file", {kTrue, kTrue, kTrue}, 1, kTrue, kBeyond, kTrue},
      {"zip64 directory at 2^63", {kTrue, kTrue, kTrue}, 1, kTrue, kHuge, kTrue},
      {"zip64 locator beyond the file", {kTrue, kTrue, kTrue}, 1, kTrue, kTrue, kBeyond},
      {"zip64 locator at 0", {kTrue, kTrue, kTrue}, 1, kTrue, kTrue, 0},
      {"zip64 locator at 2^64 - 1", {kTrue, kTrue, kTrue}, 1, kTrue, kTrue, ~uint64_t{1}},
      {"zip64 entry of 2^63 bytes", {kHuge, kTrue, kTrue}, 1, kTrue, kTrue, kTrue},
      {"zip64 entry compressed to 2^63 bytes", {kTrue, kHuge, kTrue}, 1, kTrue, kTrue, kTrue},
      {"zip64 entry of 2^63 bytes in 2^63", {kHuge, kHuge, kTrue}, 1, kTrue, kTrue, kTrue},
      {"zip64 entry at 2^63", {kTrue, kTrue, kHuge}, 1, kTrue, kTrue, kTrue},
      {"zip64 entry beyond the file", {kTrue, kTrue, kBeyond}, 1, kTrue, kTrue, kTrue},
  };
  std::vector<FieldLie> archives;
  for (const Zip64Lie& lie : lies) archives.push_back({lie.what, Zip64Archive(lie)});
  return archives;
}

Bytes ZeroBomb(const std::string& name, uint32_t plainSize, uint32_t declaredSize) {
  const Bytes data = DeflatedZeros(plainSize);
  EntryRecord record = DeflatedRecord(name, data, declaredSize, 0);
  Bytes archive;
  Append(archive, LocalHeader(record));
  archive.insert(archive.end(), data.begin(), data.end());
  return WithDirectory(archive, {record});
}

Bytes SharedDataBomb(unsigned count, uint32_t plainSize) {
  const Bytes data = DeflatedZeros(plainSize);
  std::vector<EntryRecord> central;
  for (unsigned i = 0; i < count; ++i) {
    std::string name = std::to_string(10000 + i).substr(1) + ".bin";
    central.push_back(DeflatedRecord(name, data, plainSize, 0));
  }
  Bytes archive;
  Append(archive, LocalHeader(central.front()));
  archive.insert(archive.end(), data.begin(), data.end());
  return WithDirectory(archive, central);
}

Bytes QuotedEntryBomb() {
  const Bytes innerData = DeflatedZeros(1u << 20);
  Bytes quoted;
  const EntryRecord innerAtZero = DeflatedRecord("inner.bin", innerData, 1u << 20, 0);
  Append(quoted, LocalHeader(innerAtZero));
  quoted.insert(quoted.end(), innerData.begin(), innerData.end());
  const EntryRecord outer = StoredRecord("outer.bin", quoted, 0);
  Bytes archive;
  Append(archive, LocalHeader(outer));
  EntryRecord inner = innerAtZero;
  inner.localHeaderOffset = static_cast<uint32_t>(archive.size());
  archive.insert(archive.end(), quoted.begin(), quoted.end());
  return WithDirectory(archive, {outer, inner});
}

uint64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  return uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}
