// The byte layout of the records Pack writes, and reading the extended timestamp back.
#include "components/zip/zip_records.h"

#include <gtest/gtest.h>

#include "components/zip/extended_timestamp.h"
#include "tests/zip/case_name.h"

namespace {

EntryRecord SampleRecord() {
  EntryRecord entry;
  entry.name = "sub/a.jpg";
  entry.flags = 0x0002;
  entry.method = 8;
  entry.dosTime = 0x1234;
  entry.dosDate = 0x5678;
  entry.crc = 0xA1B2C3D4;
  entry.compressedSize = 0x01020304;
  entry.uncompressedSize = 0x05060708;
  entry.times = UnixTimes{0x11223344, -2, 0x7FFFFFFF};
  entry.externalAttributes = 0x81800020;
  entry.localHeaderOffset = 0x0A0B0C0D;
  return entry;
}

ByteString Concat(std::initializer_list<ByteString> parts) {
  ByteString all;
  for (const ByteString& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

uint64_t Le64At(const ByteString& bytes, size_t at) {
  uint64_t value = 0;
  for (size_t i = 0; i < 8; ++i) value |= static_cast<uint64_t>(bytes[at + i]) << (8 * i);
  return value;
}

ByteString NameBytes() { return ByteString{'s', 'u', 'b', '/', 'a', '.', 'j', 'p', 'g'}; }

TEST(ZipRecords, LocalHeaderHoldsEveryFieldInOrderWithTheSeventeenByteTimestamp) {
  ByteString expected = Concat({
      {0x50, 0x4B, 0x03, 0x04},  // signature
      {20, 0},                   // version needed
      {0x02, 0x00},              // flags
      {8, 0},                    // method
      {0x34, 0x12, 0x78, 0x56},  // DOS time, date
      {0xD4, 0xC3, 0xB2, 0xA1},  // CRC-32
      {0x04, 0x03, 0x02, 0x01},  // compressed size
      {0x08, 0x07, 0x06, 0x05},  // uncompressed size
      {9, 0, 17, 0},             // name length, extra length
      NameBytes(),
      {0x55, 0x54, 13, 0, 0x07},  // UT, 13 data bytes, all three times
      {0x44, 0x33, 0x22, 0x11},   // modified
      {0xFE, 0xFF, 0xFF, 0xFF},   // accessed (-2)
      {0xFF, 0xFF, 0xFF, 0x7F},   // created
  });
  EXPECT_EQ(LocalHeader(SampleRecord()), expected);
}

TEST(ZipRecords, CentralHeaderNamesItsMakerAndPointsAtTheLocalHeader) {
  ByteString expected = Concat({
      {0x50, 0x4B, 0x01, 0x02},  // signature
      {0x17, 0x0B},              // version made by
      {20, 0},                   // version needed
      {0x02, 0x00, 8, 0},        // flags, method
      {0x34, 0x12, 0x78, 0x56},  // DOS time, date
      {0xD4, 0xC3, 0xB2, 0xA1},
      {0x04, 0x03, 0x02, 0x01},
      {0x08, 0x07, 0x06, 0x05},
      {9, 0, 9, 0},              // name length, extra length
      {0, 0, 0, 0, 0, 0},        // comment length, disk, internal attributes
      {0x20, 0x00, 0x80, 0x81},  // external attributes
      {0x0D, 0x0C, 0x0B, 0x0A},  // local header offset
      NameBytes(),
      {0x55, 0x54, 5, 0, 0x07},  // UT, 5 data bytes, same flags as the local form
      {0x44, 0x33, 0x22, 0x11},  // modified only
  });
  EXPECT_EQ(CentralHeader(SampleRecord()), expected);
}

TEST(ZipRecords, EndRecordCountsEntriesTwiceAndLocatesTheDirectory) {
  ByteString expected = {0x50, 0x4B, 0x05, 0x06, 0, 0, 0, 0, 3, 0, 3, 0,
                         0x10, 0x01, 0, 0, 0x20, 0x30, 0x40, 0, 0, 0};
  EXPECT_EQ(EndRecord(3, 0x110, 0x403020), expected);
}

// Values past the classic fields move into a ZIP64 field, 8 bytes each, and only those.
TEST(ZipRecords, ACentralHeaderPastFourGibibytesCarriesTheWideValuesInAZip64Field) {
  EntryRecord entry = SampleRecord();
  entry.localHeaderOffset = 0x123456789;
  const ByteString header = CentralHeader(entry);
  EXPECT_EQ(header[4], 0x2D) << "made by format 4.5";
  EXPECT_EQ(header[6], 45) << "version needed 4.5";
  EXPECT_EQ(ByteString(header.begin() + 20, header.begin() + 28), (ByteString{0x04, 0x03, 0x02, 0x01, 0x08, 0x07, 0x06, 0x05}))
      << "sizes that fit stay in their classic fields";
  EXPECT_EQ(ByteString(header.begin() + 30, header.begin() + 32), (ByteString{12 + 9, 0})) << "extra length";
  EXPECT_EQ(ByteString(header.begin() + 42, header.begin() + 46), (ByteString{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(ByteString(header.begin() + 55, header.begin() + 67),
            (ByteString{0x01, 0x00, 8, 0, 0x89, 0x67, 0x45, 0x23, 0x01, 0, 0, 0}));

  entry.localHeaderOffset = 0xFFFFFFFE;
  entry.uncompressedSize = 0xFFFFFFFF;
  const ByteString atTheEdge = CentralHeader(entry);
  EXPECT_EQ(ByteString(atTheEdge.begin() + 42, atTheEdge.begin() + 46), (ByteString{0xFE, 0xFF, 0xFF, 0xFF}))
      << "0xFFFFFFFE is still a classic offset";
  EXPECT_EQ(ByteString(atTheEdge.begin() + 55, atTheEdge.begin() + 67),
            (ByteString{0x01, 0x00, 8, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}))
      << "0xFFFFFFFF itself is the marker, so that size goes wide";
}

TEST(ZipRecords, WideLocalSizesGoInBothHeaders) {
  EntryRecord entry = SampleRecord();
  entry.wideLocalSizes = true;
  entry.uncompressedSize = 0x100000000;
  const ByteString local = LocalHeader(entry);
  ASSERT_EQ(local.size(), 30u + 9 + 20 + 17);
  EXPECT_EQ(ByteString(local.begin() + 18, local.begin() + 26), ByteString(8, 0xFF));
  EXPECT_EQ(ByteString(local.begin() + 39, local.begin() + 59),
            (ByteString{0x01, 0x00, 16, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0}))
      << "uncompressed size, then compressed size";
  EXPECT_EQ(CentralHeader(entry).size(), 46u + 9 + 20 + 9);
  EXPECT_EQ(LocalHeader(SampleRecord()).size(), 30u + 9 + 17) << "a classic entry has no ZIP64 field";
}

// An archive within the classic limits ends as it always did; past them, the ZIP64 end record
// and its locator come first.
TEST(ZipRecords, TheZip64EndIsWrittenOnlyPastTheClassicLimits) {
  EXPECT_EQ(DirectoryEnd(3, 0x110, 0x403020), EndRecord(3, 0x110, 0x403020));
  EXPECT_EQ(DirectoryEnd(65535, 0x110, 0xFFFFFFFE), EndRecord(65535, 0x110, 0xFFFFFFFE));

  const ByteString many = DirectoryEnd(65536, 0x110, 0x403020);
  ASSERT_EQ(many.size(), 56u + 20 + 22);
  EXPECT_EQ(ByteString(many.begin(), many.begin() + 4), (ByteString{0x50, 0x4B, 0x06, 0x06}));
  EXPECT_EQ(Le64At(many, 4), 44u) << "the record's size after its first 12 bytes";
  EXPECT_EQ(Le64At(many, 24), 65536u);
  EXPECT_EQ(Le64At(many, 32), 65536u);
  EXPECT_EQ(Le64At(many, 40), 0x110u);
  EXPECT_EQ(Le64At(many, 48), 0x403020u);
  EXPECT_EQ(ByteString(many.begin() + 56, many.begin() + 60), (ByteString{0x50, 0x4B, 0x06, 0x07}));
  EXPECT_EQ(Le64At(many, 64), 0x403020u + 0x110u) << "the locator points just past the directory";
  EXPECT_EQ(ByteString(many.begin() + 76, many.end()), EndRecord(0xFFFF, 0x110, 0x403020));

  const ByteString far = DirectoryEnd(2, 0x80, 0x100000000);
  ASSERT_EQ(far.size(), 56u + 20 + 22);
  EXPECT_EQ(ByteString(far.begin() + 76, far.end()), EndRecord(2, 0x80, 0xFFFFFFFF));
}

struct TimestampCase {
  const char* what;
  ByteString extra;
  std::optional<int32_t> modified, accessed, created;
};

class LocalTimestamp : public testing::TestWithParam<TimestampCase> {};

TEST_P(LocalTimestamp, YieldsOnlyTimesThatArePresentAndWhole) {
  const TimestampCase& c = GetParam();
  FoundTimes found = FindLocalTimestamp(c.extra.data(), c.extra.size());
  EXPECT_EQ(found.modified, c.modified);
  EXPECT_EQ(found.accessed, c.accessed);
  EXPECT_EQ(found.created, c.created);
}

ByteString OwnLocalForm() {
  ByteString extra;
  AppendLocalTimestamp(extra, UnixTimes{100, 200, 300});
  return extra;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, LocalTimestamp,
    testing::Values(
        TimestampCase{"own local form", OwnLocalForm(), 100, 200, 300},
        TimestampCase{"modified and accessed only", {0x55, 0x54, 9, 0, 0x03, 1, 0, 0, 0, 2, 0, 0, 0}, 1, 2, {}},
        TimestampCase{"after another field", {0x01, 0x99, 2, 0, 7, 7, 0x55, 0x54, 5, 0, 0x01, 5, 0, 0, 0}, 5, {}, {}},
        TimestampCase{"flags promise three, data holds one", {0x55, 0x54, 5, 0, 0x07, 9, 0, 0, 0}, 9, {}, {}},
        TimestampCase{"data size runs past the block", {0x55, 0x54, 13, 0, 0x07, 9, 0, 0, 0}, {}, {}, {}},
        TimestampCase{"header cut short", {0x55, 0x54, 5}, {}, {}, {}},
        TimestampCase{"no timestamp", {0x0A, 0x00, 4, 0, 1, 2, 3, 4}, {}, {}, {}}),
    CaseName());

}  // namespace
