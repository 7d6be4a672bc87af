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

ByteBuffer Concat(std::initializer_list<ByteBuffer> parts) {
  ByteBuffer all;
  for (const ByteBuffer& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

ByteBuffer NameBytes() { return ByteBuffer{'s', 'u', 'b', '/', 'a', '.', 'j', 'p', 'g'}; }

TEST(ZipRecords, LocalHeaderHoldsEveryFieldInOrderWithTheSeventeenByteTimestamp) {
  ByteBuffer expected = Concat({
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
  ByteBuffer expected = Concat({
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
  ByteBuffer expected = {0x50, 0x4B, 0x05, 0x06, 0, 0, 0, 0, 3, 0, 3, 0,
                         0x10, 0x01, 0, 0, 0x20, 0x30, 0x40, 0, 0, 0};
  EXPECT_EQ(EndRecord(3, 0x110, 0x403020), expected);
}

struct TimestampCase {
  const char* what;
  ByteBuffer extra;
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

ByteBuffer OwnLocalForm() {
  ByteBuffer extra;
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
