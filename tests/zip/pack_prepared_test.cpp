// Entries prepared ahead and packed later: the archive is the one folder mode writes from the
// original files, and a prepared file that cannot be trusted refuses the archive.
#include <windows.h>

#include <cstring>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "components/zip/zip.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"
#include "tests/zip/recording_sink.h"

namespace {

// Like a JPEG's coded data: nothing for deflate to find.
Bytes Incompressible(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
  return bytes;
}

Bytes Compressible(size_t size) {
  Bytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>("frame "[i % 6] + i / 5000);
  return bytes;
}

// The smallest file folder mode takes for a program: "MZ", the new header's offset, "PE".
Bytes Program() {
  Bytes bytes(0x84, 0);
  std::memcpy(bytes.data(), "MZ", 2);
  bytes[60] = 0x80;
  std::memcpy(bytes.data() + 0x80, "PE", 2);
  return bytes;
}

// The last access lies after the last write, so that reading the file leaves it alone.
void Stamp(const std::string& path, WORD year, DWORD attributes) {
  SYSTEMTIME utc{year, 3, 0, 4, 5, 6, 8, 0};
  FILETIME written;
  FILETIME accessed;
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &written));
  utc.wYear = 2030;
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &accessed));
  FileHandle file(CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(SetFileTime(file.get(), &written, &accessed, &written));
  file.reset();
  ASSERT_TRUE(SetFileAttributesW(Widen(path).c_str(), attributes));
}

struct Original {
  std::string name;
  std::string preparedAs;
  Bytes bytes;
  WORD year;
  DWORD attributes;
};

TEST(PackPrepared, GivesByteForByteTheArchiveFolderModeWritesOfTheOriginals) {
  TempFolder temp;
  const std::string folder = temp / "frames";
  ASSERT_TRUE(MakeFolder(folder));
  const Bytes repeated = Incompressible(150000, 4);
  const std::vector<Original> originals = {
      {"1.jpg", "1.prep", Incompressible(2500000, 1), 2021, FILE_ATTRIBUTE_ARCHIVE},
      {"2.jpg", "2.prep", Compressible(60000), 2022, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
      {"3.jpg", "3.prep", Bytes{}, 2019, FILE_ATTRIBUTE_ARCHIVE},
      {"4.jpg", "same.prep", repeated, 2023, FILE_ATTRIBUTE_ARCHIVE},
      {"5.jpg", "same.prep", repeated, 2023, FILE_ATTRIBUTE_ARCHIVE},
      {"x.zip", "x.prep", Incompressible(3000, 2), 2020, FILE_ATTRIBUTE_HIDDEN},
      {"tool.exe", "tool.prep", Program(), 2018, FILE_ATTRIBUTE_ARCHIVE}};
  std::map<std::string, std::string> preparedFor;
  for (const Original& original : originals) {
    ASSERT_TRUE(WriteBytes(folder + "\\" + original.name, original.bytes));
    Stamp(folder + "\\" + original.name, original.year, original.attributes);
    preparedFor[original.name] = temp / original.preparedAs;
    ASSERT_EQ(PrepareEntry(original.name, original.bytes, preparedFor[original.name]), kZipDone);
    Stamp(preparedFor[original.name], original.year, original.attributes);
  }
  RecordingSink folderSink;
  ASSERT_EQ(Pack(&folderSink, folder, temp / "folder.vmrc"), kZipDone);
  std::vector<PackedFile> entries;  // in the folder's order, as folder mode packed it
  for (const ReadRecord& entry : CentralRecords(ReadBytes(temp / "folder.vmrc"))) {
    entries.push_back({preparedFor[entry.fields.name], entry.fields.name});
  }
  ASSERT_EQ(entries.size(), originals.size());

  RecordingSink preparedSink;
  ASSERT_EQ(PackPrepared(&preparedSink, entries, temp / "prepared.vmrc"), kZipDone);
  EXPECT_TRUE(ReadBytes(temp / "prepared.vmrc") == ReadBytes(temp / "folder.vmrc"));
  EXPECT_EQ(preparedSink.percents, folderSink.percents);

  ASSERT_EQ(Unpack(nullptr, temp / "prepared.vmrc", temp / "unpacked"), kZipDone);
  for (const Original& original : originals) {
    EXPECT_TRUE(ReadBytes(temp / ("unpacked\\" + original.name)) == original.bytes);
  }
}

TEST(PackPrepared, AStopRequestLeavesTheLaterEntriesOut) {
  TempFolder temp;
  const std::string prepared = temp / "1.prep";
  ASSERT_EQ(PrepareEntry("1.jpg", Compressible(100), prepared), kZipDone);
  const std::vector<PackedFile> entries = {{prepared, "1.jpg"}, {prepared, "2.jpg"}, {prepared, "3.jpg"}};
  RecordingSink sink(2);
  ASSERT_EQ(PackPrepared(&sink, entries, temp / "out.vmrc"), kZipDone);
  EXPECT_EQ(sink.percents, (std::vector<int>{33, 66}));
  ASSERT_EQ(Unpack(nullptr, temp / "out.vmrc", temp / "unpacked"), kZipDone);
  EXPECT_EQ(ListFolder(temp / "unpacked"), (std::vector<std::string>{"1.jpg", "2.jpg"}));
}

// Every cut of a small prepared file, one byte too many, a flipped byte in the magic, the
// method, the flags and the data size, a file that is missing and one prepared for a stored
// name: each refuses the archive, and none leaves a part of it.
TEST(PackPrepared, APreparedFileThatCannotBeTrustedFailsAndLeavesNoArchive) {
  TempFolder temp;
  const std::string good = temp / "good.prep";
  const std::string stored = temp / "stored.prep";
  const std::string archive = temp / "out.vmrc";
  ASSERT_EQ(PrepareEntry("1.jpg", Compressible(300), good), kZipDone);
  ASSERT_EQ(PrepareEntry("x.zip", Compressible(300), stored), kZipDone);
  ASSERT_EQ(PackPrepared(nullptr, {{good, "1.jpg"}, {stored, "x.zip"}}, archive), kZipDone);

  const Bytes whole = ReadBytes(good);
  std::vector<Bytes> damaged;
  for (size_t size = 0; size < whole.size(); ++size) damaged.emplace_back(whole.begin(), whole.begin() + size);
  damaged.push_back(whole);
  damaged.back().push_back(0);
  for (size_t at : {0, 4, 6, 20}) {
    damaged.push_back(whole);
    damaged.back()[at] ^= 0x40;
  }
  std::vector<std::string> refused = {temp / "missing.prep", stored};
  for (size_t i = 0; i < damaged.size(); ++i) {
    refused.push_back(temp / ("bad" + std::to_string(i) + ".prep"));
    ASSERT_TRUE(WriteBytes(refused.back(), damaged[i]));
  }
  for (const std::string& prepared : refused) {
    SCOPED_TRACE(prepared);
    ASSERT_TRUE(WriteBytes(archive, Bytes{1}));  // an archive of before, to be replaced
    EXPECT_EQ(PackPrepared(nullptr, {{good, "1.jpg"}, {prepared, "2.jpg"}}, archive), kZipFailed);
    EXPECT_FALSE(FileExists(archive));
  }
}

TEST(PackPrepared, EmptyNamesAndPathsAreBadArgumentsAndAnUnwritablePathFails) {
  TempFolder temp;
  const Bytes bytes = Compressible(10);
  EXPECT_EQ(PrepareEntry("", bytes, temp / "1.prep"), kZipBadArguments);
  EXPECT_EQ(PrepareEntry("1.jpg", bytes, ""), kZipBadArguments);
  EXPECT_EQ(PrepareEntry("1.jpg", bytes, temp / "no\\such\\1.prep"), kZipFailed);
  EXPECT_EQ(PackPrepared(nullptr, {}, ""), kZipBadArguments);
  EXPECT_EQ(PackPrepared(nullptr, {}, temp / "no\\such\\out.vmrc"), kZipFailed);
}

}  // namespace
