// Unpack over real archives: what is extracted where, which archives are refused, and how
// progress and stop requests behave.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "components/zip/zip.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"
#include "tests/zip/recording_sink.h"

namespace {

Bytes AsBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()); }

FILETIME WriteTimeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

SYSTEMTIME UtcOf(const FILETIME& time) {
  SYSTEMTIME parts{};
  FileTimeToSystemTime(&time, &parts);
  return parts;
}

class UnpackTest : public testing::Test {
 protected:
  std::string Archive() const { return temp_ / "in.vmrc"; }
  std::string Target() const { return temp_ / "out"; }
  int UnpackEntries(const std::vector<TestEntry>& entries, ProgressSink* sink = nullptr) {
    EXPECT_TRUE(WriteBytes(Archive(), BuildArchive(entries)));
    return Unpack(sink, Archive(), Target());
  }

  TempFolder temp_;
};

TEST_F(UnpackTest, ExtractsFilesAndFoldersCreatingMissingParentsOfTheTarget) {
  ASSERT_TRUE(WriteBytes(Archive(), BuildArchive({{"1.jpg", "one"}, FolderEntry("sub/"), {"sub/a.jpg", "inner"}})));
  std::string target = temp_ / "x\\y\\z";
  EXPECT_EQ(Unpack(nullptr, Archive(), target), kZipDone);
  EXPECT_EQ(ReadBytes(target + "\\1.jpg"), AsBytes("one"));
  EXPECT_EQ(ReadBytes(target + "\\sub\\a.jpg"), AsBytes("inner"));
}

// "./" prefixes, a "./" entry (with or without folder attributes) and doubled separators name
// nothing of their own: every file lands where the rest of its name says, and nothing else.
TEST_F(UnpackTest, ElementsThatNameNothingAreLeftOut) {
  EXPECT_EQ(UnpackEntries({FolderEntry("./"),
                           {"./", ""},
                           {"./1.jpg", "one"},
                           {".//2.jpg", "two"},
                           FolderEntry("a//"),
                           {"a//3.jpg", "three"},
                           {"./a/./4.jpg", "four"}}),
            kZipDone);
  EXPECT_EQ(ListFolder(Target()), (std::vector<std::string>{"1.jpg", "2.jpg", "a"}));
  EXPECT_EQ(ListFolder(Target() + "\\a"), (std::vector<std::string>{"3.jpg", "4.jpg"}));
  EXPECT_EQ(ReadBytes(Target() + "\\1.jpg"), AsBytes("one"));
  EXPECT_EQ(ReadBytes(Target() + "\\a\\4.jpg"), AsBytes("four"));
  // Still refused: a parent element behind a harmless one.
  EXPECT_EQ(UnpackEntries({{"./../x.jpg", "out"}}), kZipFailed);
  EXPECT_FALSE(FileExists(temp_ / "x.jpg"));
}

TEST_F(UnpackTest, ProgressCarriesTheZeroBasedIndexThenAHundred) {
  RecordingSink sink;
  EXPECT_EQ(UnpackEntries({{"1.jpg", "a"}, {"2.jpg", "b"}, {"3.jpg", "c"}}, &sink), kZipDone);
  EXPECT_EQ(sink.percents, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(sink.events, std::vector<ZipEvent>(4, ZipEvent::UnpackProgress));
}

TEST_F(UnpackTest, StopAfterTheFirstEntryLeavesTheRestAndRaisesNoFinalEvent) {
  RecordingSink sink(1);
  EXPECT_EQ(UnpackEntries({{"1.jpg", "a"}, {"2.jpg", "b"}}, &sink), kZipDone);
  EXPECT_TRUE(FileExists(Target() + "\\1.jpg"));
  EXPECT_FALSE(FileExists(Target() + "\\2.jpg"));
  EXPECT_EQ(sink.percents, std::vector<int>{0});
}

TEST_F(UnpackTest, FileInAFolderWithoutItsFolderEntryNeedsTheFolderToExist) {
  EXPECT_EQ(UnpackEntries({{"sub/a.jpg", "x"}}), kZipFailed);
  ASSERT_TRUE(MakeFolder(Target() + "\\sub"));
  EXPECT_EQ(Unpack(nullptr, Archive(), Target()), kZipDone);
  EXPECT_EQ(ReadBytes(Target() + "\\sub\\a.jpg"), AsBytes("x"));
}

TEST_F(UnpackTest, ReadOnlyFileIsReplacedAndEndsWithNormalAttributes) {
  ASSERT_TRUE(MakeFolder(Target()));
  ASSERT_TRUE(WriteText(Target() + "\\1.jpg", "old"));
  ASSERT_TRUE(SetFileAttributesW(Widen(Target() + "\\1.jpg").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  TestEntry entry{"1.jpg", "new", 0x81000027};
  EXPECT_EQ(UnpackEntries({entry}), kZipDone);
  EXPECT_EQ(ReadBytes(Target() + "\\1.jpg"), AsBytes("new"));
  EXPECT_EQ(AttributesOf(Target() + "\\1.jpg") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
}

TEST_F(UnpackTest, TimesComeFromTheTimestampFieldElseFromTheDosTimeAsUtc) {
  TestEntry stamped{"stamped.jpg", "a"};
  stamped.times = UnixTimes{1623752431, 1623752431, 1623752431};  // 2021-06-15 10:20:31 UTC
  TestEntry dosOnly{"dos.jpg", "b"};
  dosOnly.timestamp = false;
  EXPECT_EQ(UnpackEntries({stamped, dosOnly}), kZipDone);

  SYSTEMTIME fromStamp = UtcOf(WriteTimeOf(Target() + "\\stamped.jpg"));
  EXPECT_EQ(std::tie(fromStamp.wYear, fromStamp.wMonth, fromStamp.wDay, fromStamp.wHour, fromStamp.wMinute, fromStamp.wSecond),
            std::make_tuple(2021, 6, 15, 10, 20, 31));
  SYSTEMTIME fromDos = UtcOf(WriteTimeOf(Target() + "\\dos.jpg"));
  EXPECT_EQ(std::tie(fromDos.wYear, fromDos.wMonth, fromDos.wDay, fromDos.wHour, fromDos.wMinute, fromDos.wSecond),
            std::make_tuple(2020, 1, 2, 3, 4, 6));
}

TEST_F(UnpackTest, NamesAreUtf8WhenFlaggedAndAnsiOtherwise) {
  TestEntry utf8{"屏幕.jpg", "u"};
  utf8.flags = 0x0800;
  TestEntry ansi{ToAnsi(L"录像.jpg"), "a"};
  EXPECT_EQ(UnpackEntries({utf8, ansi}), kZipDone);
  EXPECT_EQ(ListFolder(Target()), (std::vector<std::string>{"屏幕.jpg", "录像.jpg"}));
}

TEST_F(UnpackTest, ArchivesThatFailTheQuickCheckAreRefused) {
  Bytes valid = BuildArchive({{"1.jpg", "a"}});
  Bytes endRecordOnly = Bytes(valid.end() - 22, valid.end());
  Bytes shortLocalHeader(valid.begin(), valid.begin() + 31);
  Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xE0};
  jpeg.resize(64);
  for (const Bytes& bytes : {endRecordOnly, shortLocalHeader, jpeg, Bytes{}}) {
    ASSERT_TRUE(WriteBytes(Archive(), bytes));
    RecordingSink sink;
    EXPECT_EQ(Unpack(&sink, Archive(), Target()), kZipFailed);
    EXPECT_EQ(sink.percents, std::vector<int>{100});
  }
  EXPECT_TRUE(ListFolder(Target()).empty());
}

TEST_F(UnpackTest, MissingOrEmptyPathsAreBadArgumentsYetEndWithAnEvent) {
  RecordingSink sink;
  EXPECT_EQ(Unpack(&sink, "", Target()), kZipBadArguments);
  EXPECT_EQ(Unpack(&sink, Archive(), ""), kZipBadArguments);
  EXPECT_EQ(Unpack(&sink, temp_ / "missing.vmrc", Target()), kZipBadArguments);
  EXPECT_EQ(sink.percents, (std::vector<int>{100, 100, 100}));
  EXPECT_FALSE(FolderExists(Target()));
}

TEST_F(UnpackTest, EntriesItCannotReadFailAtThatEntryAndKeepTheOnesBefore) {
  TestEntry bzip2{"2.jpg", "BZh91AY&SY", 0x81800020, 0, 12};
  TestEntry encrypted{"2.jpg", "0123456789ab", 0x81800020, 0x0001};
  TestEntry damaged{"2.jpg", "\xFF\xFF\xFF not deflate", 0x81800020, 0x0002, 8};
  for (const TestEntry& bad : {bzip2, encrypted, damaged}) {
    SCOPED_TRACE(bad.data);
    EXPECT_EQ(UnpackEntries({{"1.jpg", "kept"}, bad, {"3.jpg", "after"}}), kZipFailed);
    EXPECT_EQ(ReadBytes(Target() + "\\1.jpg"), AsBytes("kept"));
    EXPECT_FALSE(FileExists(Target() + "\\3.jpg"));
    RemoveTree(Target());
  }
}

class HostileName : public UnpackTest, public testing::WithParamInterface<std::string> {};

TEST_P(HostileName, IsRefusedAndNothingLandsOutsideTheTarget) {
  std::string inner = temp_ / "inner";
  ASSERT_TRUE(MakeFolder(inner));
  std::string target = inner + "\\out";
  ASSERT_TRUE(WriteBytes(Archive(), BuildArchive({{"good.txt", "fine"}, {GetParam(), "evil"}, {"late.txt", "x"}})));
  EXPECT_EQ(Unpack(nullptr, Archive(), target), kZipFailed);
  EXPECT_EQ(ListFolder(target), std::vector<std::string>{"good.txt"});
  EXPECT_EQ(ListFolder(inner), std::vector<std::string>{"out"});
  EXPECT_EQ(ListFolder(temp_.path()), (std::vector<std::string>{"in.vmrc", "inner"}));
}

INSTANTIATE_TEST_SUITE_P(Names, HostileName,
                         testing::Values("../evil.txt", "..\\evil.txt", "../../evil.txt", "sub/../../evil.txt", "/abs.txt",
                                         "\\abs.txt", "C:/x.txt", "C:x.txt", "\\\\server\\share\\x.txt", "a.txt:stream",
                                         "/:../x", ".. /evil.txt", "CON", "nul.txt", std::string("a\0b", 3), ""));

}  // namespace

namespace {

std::string Pattern(size_t size, unsigned seed) {
  std::string text(size, '\0');
  uint32_t state = seed;
  for (size_t i = 0; i < size; ++i) text[i] = static_cast<char>("abcdefgh"[((state = state * 1103515245u + 12345u) >> 16) % 8]);
  return text;
}

std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Deflate data whose first `good` bytes of `plain` decode, then a block of a type that does not
// exist, which inflating refuses.
std::string DeflatedThenBroken(const std::string& plain, size_t good) {
  return Deflated(plain.substr(0, good), false) + "\xFF\xFF\xFF\xFF";
}

// The coming entries are inflated ahead on a spare core; what lands is what reading each entry
// piece by piece gives: entries above the ahead limit, many small ones, stored and empty ones,
// and a damaged entry, which still leaves the whole pieces before its damage and stops there.
TEST_F(UnpackTest, EntriesInflatedAheadLandAsReadPieceByPiece) {
  std::vector<TestEntry> entries = {DeflatedEntry("big.bin", Pattern(5u << 20, 1)), {"stored.jpg", "as it is"},
                                    {"empty.txt", ""}, FolderEntry("sub/")};
  for (int n = 0; n < 20; ++n) entries.push_back(DeflatedEntry("sub/" + std::to_string(n) + ".txt", Pattern(1000 * n + 1, n)));
  const std::string damagedPlain = Pattern(200000, 99);
  TestEntry damaged = DeflatedEntry("damaged.bin", damagedPlain);
  damaged.data = DeflatedThenBroken(damagedPlain, 100000);
  entries.push_back(damaged);
  entries.push_back(DeflatedEntry("after.txt", "never reached"));

  EXPECT_EQ(UnpackEntries(entries), kZipFailed);
  EXPECT_EQ(AsText(ReadBytes(Target() + "\\big.bin")), entries[0].plain);
  EXPECT_EQ(AsText(ReadBytes(Target() + "\\stored.jpg")), "as it is");
  EXPECT_TRUE(FileExists(Target() + "\\empty.txt"));
  for (int n = 0; n < 20; ++n)
    EXPECT_EQ(AsText(ReadBytes(Target() + "\\sub\\" + std::to_string(n) + ".txt")), entries[4 + n].plain) << n;
  const std::string partial = AsText(ReadBytes(Target() + "\\damaged.bin"));
  EXPECT_LT(partial.size(), damagedPlain.size());
  EXPECT_EQ(partial.size(), 6u * 16384) << "the whole pieces before the damage at 100,000 bytes";
  EXPECT_EQ(partial, damagedPlain.substr(0, partial.size()));
  EXPECT_FALSE(FileExists(Target() + "\\after.txt"));
}

}  // namespace
