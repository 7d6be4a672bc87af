// Pack over real folders: what the archive holds, in which order, with which header fields,
// and how progress, stop requests and failures behave.
#include <windows.h>
#include <zlib.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "components/zip/zip.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"
#include "tests/zip/recording_sink.h"

namespace {

uint32_t Crc(const Bytes& bytes) { return static_cast<uint32_t>(crc32(0, bytes.data(), static_cast<uInt>(bytes.size()))); }

Bytes Pattern(size_t size) {
  Bytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 300);
  return bytes;
}

std::vector<std::string> NamesOf(const std::vector<ReadRecord>& records) {
  std::vector<std::string> names;
  for (const ReadRecord& record : records) names.push_back(record.fields.name);
  return names;
}

const ReadRecord* Find(const std::vector<ReadRecord>& records, const std::string& name) {
  for (const ReadRecord& record : records)
    if (record.fields.name == name) return &record;
  return nullptr;
}

size_t IndexOf(const std::vector<std::string>& names, const std::string& name) {
  return static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

// Bytes no deflate can shrink, so an entry's data is as large as its file.
Bytes Noise(size_t size, uint32_t seed) {
  Bytes bytes(size);
  for (uint8_t& byte : bytes) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<uint8_t>(seed >> 24);
  }
  return bytes;
}

// An entry's data as it stands in the archive.
Bytes EntryData(const Bytes& archive, const ReadRecord& local) {
  auto begin = archive.begin() + static_cast<ptrdiff_t>(local.dataOffset);
  return Bytes(begin, begin + local.fields.compressedSize);
}

// The file the directory listing gives last, which Pack adds last.
std::string LastListed(const std::string& folder) {
  WIN32_FIND_DATAW found;
  FindHandle find(FindFirstFileW(Widen(folder + "\\*.*").c_str(), &found));
  std::wstring last;
  if (find) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) last = found.cFileName;
    } while (FindNextFileW(find.get(), &found));
  }
  return Narrow(last);
}

// Removes a file of the folder being packed when the first entry is done.
class RemovingSink : public RecordingSink {
 public:
  explicit RemovingSink(std::string path) : path_(std::move(path)) {}
  bool Raise(ZipEvent event, int percent) override {
    if (events.empty()) DeleteFileW(Widen(path_).c_str());
    return RecordingSink::Raise(event, percent);
  }

 private:
  std::string path_;
};

class PackTest : public testing::Test {
 protected:
  std::string Source() const { return temp_ / "src"; }
  std::string Archive() const { return temp_ / "out.vmrc"; }
  void SetUp() override { ASSERT_TRUE(MakeFolder(Source())); }
  void Put(const std::string& relative, const Bytes& bytes) { ASSERT_TRUE(WriteBytes(Source() + "\\" + relative, bytes)); }
  void PutFolder(const std::string& relative) { ASSERT_TRUE(MakeFolder(Source() + "\\" + relative)); }

  TempFolder temp_;
};

TEST_F(PackTest, EmptyFolderGivesOnlyTheTwentyTwoByteEndRecord) {
  EXPECT_EQ(Pack(nullptr, Source(), Archive()), kZipDone);
  Bytes expected = {0x50, 0x4B, 0x05, 0x06};
  expected.resize(22);
  EXPECT_EQ(ReadBytes(Archive()), expected);
}

TEST_F(PackTest, DeflatesFramesAndStoresCompressedFormatsWithRealCrcAndSizes) {
  std::vector<std::pair<std::string, Bytes>> files = {
      {"1.jpg", Pattern(40000)}, {"2.jpg", Bytes{}}, {"x.zip", Pattern(100)}, {"a.ZIP", Pattern(3)}, {"b.Gz", Pattern(17000)}};
  for (const auto& [name, bytes] : files) Put(name, bytes);
  ASSERT_EQ(Pack(nullptr, Source(), Archive()), kZipDone);

  Bytes archive = ReadBytes(Archive());
  std::vector<ReadRecord> local = LocalRecords(archive);
  std::vector<ReadRecord> central = CentralRecords(archive);
  ASSERT_EQ(local.size(), files.size());
  ASSERT_EQ(central.size(), files.size());
  EXPECT_EQ(NamesOf(local), NamesOf(central));
  // No data descriptor: the central directory begins right after the last entry's data.
  EXPECT_EQ(Le32(archive, archive.size() - 6), local.back().dataOffset + local.back().fields.compressedSize);
  for (size_t i = 0; i < central.size(); ++i) {
    const EntryRecord& c = central[i].fields;
    const EntryRecord& l = local[i].fields;
    const Bytes& source = std::find_if(files.begin(), files.end(), [&](auto& f) { return f.first == c.name; })->second;
    bool stored = c.name != "1.jpg" && c.name != "2.jpg";
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.method, stored ? 0 : 8);
    EXPECT_EQ(c.flags, stored ? 0x0000 : 0x0002);
    EXPECT_EQ(c.crc, Crc(source));
    EXPECT_EQ(c.uncompressedSize, source.size());
    if (stored) {
      EXPECT_EQ(c.compressedSize, source.size());
    }
    EXPECT_EQ(c.externalAttributes & 0xFFFFFF00u, 0x81800000u);
    EXPECT_EQ(central[i].versionMadeBy, 0x0B17);
    EXPECT_EQ(central[i].extra.size(), 9u);
    EXPECT_EQ(local[i].extra.size(), 17u);
    EXPECT_EQ(c.localHeaderOffset, local[i].offset);
    EXPECT_EQ(std::tie(l.flags, l.method, l.dosTime, l.dosDate, l.crc, l.compressedSize, l.uncompressedSize),
              std::tie(c.flags, c.method, c.dosTime, c.dosDate, c.crc, c.compressedSize, c.uncompressedSize));
  }
}

TEST_F(PackTest, SubfolderEntryComesAfterTheFilesAndBeforeItsContents) {
  Put("1.jpg", Pattern(10));
  PutFolder("sub");
  Put("sub\\a.jpg", Pattern(20));
  Put("2.jpg", Pattern(30));
  ASSERT_EQ(Pack(nullptr, Source(), Archive()), kZipDone);

  std::vector<ReadRecord> central = CentralRecords(ReadBytes(Archive()));
  std::vector<std::string> names = NamesOf(central);
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[2], "sub/");
  EXPECT_EQ(names[3], "sub/a.jpg");
  const EntryRecord& folder = central[2].fields;
  EXPECT_EQ(folder.method, 0);
  EXPECT_EQ(folder.flags, 0);
  EXPECT_EQ(folder.crc, 0u);
  EXPECT_EQ(folder.compressedSize, 0u);
  EXPECT_EQ(folder.uncompressedSize, 0u);
  EXPECT_EQ(folder.externalAttributes, 0x41C00010u);
}

TEST_F(PackTest, EntryTimesFollowTheFileLastWriteTime) {
  Put("1.jpg", Pattern(10));
  FileHandle file(CreateFileW(Widen(Source() + "\\1.jpg").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  SYSTEMTIME utc{2021, 6, 0, 15, 10, 20, 31, 0};
  FILETIME written;
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &written));
  ASSERT_TRUE(SetFileTime(file.get(), nullptr, nullptr, &written));
  file.reset();
  ASSERT_EQ(Pack(nullptr, Source(), Archive()), kZipDone);

  ReadRecord entry = LocalRecords(ReadBytes(Archive())).at(0);
  EXPECT_EQ(static_cast<int32_t>(Le32(entry.extra, 5)), 1623752431);  // 2021-06-15 10:20:31 UTC
  FILETIME local;
  SYSTEMTIME parts;
  ASSERT_TRUE(FileTimeToLocalFileTime(&written, &local) && FileTimeToSystemTime(&local, &parts));
  EXPECT_EQ(entry.fields.dosTime, parts.wHour << 11 | parts.wMinute << 5 | parts.wSecond / 2);
  EXPECT_EQ(entry.fields.dosDate, (parts.wYear - 1980) << 9 | parts.wMonth << 5 | parts.wDay);
}

TEST_F(PackTest, ReadOnlyAndExecutableFilesCarryTheirModeBits) {
  Bytes program(0x84, 0);
  program[0] = 'M';
  program[1] = 'Z';
  program[60] = 0x80;  // where the new header starts
  program[0x80] = 'P';
  program[0x81] = 'E';
  Put("tool.exe", program);
  Put("locked.jpg", Pattern(5));
  ASSERT_TRUE(SetFileAttributesW(Widen(Source() + "\\locked.jpg").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_EQ(Pack(nullptr, Source(), Archive()), kZipDone);

  std::vector<ReadRecord> central = CentralRecords(ReadBytes(Archive()));
  ASSERT_NE(Find(central, "tool.exe"), nullptr);
  ASSERT_NE(Find(central, "locked.jpg"), nullptr);
  EXPECT_EQ(Find(central, "tool.exe")->fields.externalAttributes & 0xFFFF0000u, 0x81C00000u);
  EXPECT_EQ(Find(central, "locked.jpg")->fields.externalAttributes & 0xFFFF0001u, 0x81000001u);
}

TEST_F(PackTest, ProgressCountsEveryFileAndFolderOfTheTree) {
  for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) Put(name, Pattern(10));
  PutFolder("sub");
  Put("sub\\a.jpg", Pattern(10));
  RecordingSink sink;
  ASSERT_EQ(Pack(&sink, Source(), Archive()), kZipDone);
  EXPECT_EQ(sink.percents, (std::vector<int>{20, 40, 60, 80, 100}));
  EXPECT_EQ(std::count(sink.events.begin(), sink.events.end(), ZipEvent::PackProgress), 5);
}

TEST_F(PackTest, StopSkipsRemainingFilesAndFolderContentsButStillWritesFolderEntries) {
  Put("f1.jpg", Pattern(10));
  Put("f2.jpg", Pattern(10));
  for (const char* folder : {"A", "B"}) {
    PutFolder(folder);
    Put(std::string(folder) + "\\inside.jpg", Pattern(10));
  }
  RecordingSink sink(1);
  ASSERT_EQ(Pack(&sink, Source(), Archive()), kZipDone);

  std::vector<std::string> names = NamesOf(CentralRecords(ReadBytes(Archive())));
  ASSERT_EQ(names.size(), 3u);
  EXPECT_TRUE(names[0] == "f1.jpg" || names[0] == "f2.jpg");
  EXPECT_LT(IndexOf(names, "A/"), names.size());
  EXPECT_LT(IndexOf(names, "B/"), names.size());
  EXPECT_EQ(sink.percents.size(), 3u);
}

TEST_F(PackTest, StopIsIgnoredWhenTheWindowIsGone) {
  for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) Put(name, Pattern(10));
  RecordingSink closing(1);
  closing.closeWindowWhenStopping = true;
  ASSERT_EQ(Pack(&closing, Source(), Archive()), kZipDone);
  EXPECT_EQ(CentralRecords(ReadBytes(Archive())).size(), 3u);
  EXPECT_EQ(closing.percents.size(), 1u);  // no events once the window is gone

  RecordingSink gone(1);
  gone.windowExists = false;
  ASSERT_EQ(Pack(&gone, Source(), Archive()), kZipDone);
  EXPECT_TRUE(gone.percents.empty());
}

TEST_F(PackTest, AnEntryThatCannotBeReadFailsTheWalkAndLeavesAReadablePartialArchive) {
  Put("1.jpg", Pattern(10));
  PutFolder("sub");
  Put("sub\\busy.jpg", Pattern(10));
  FileHandle busy(CreateFileW(Widen(Source() + "\\sub\\busy.jpg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(busy);
  EXPECT_EQ(Pack(nullptr, Source(), Archive()), kZipFailed);

  Bytes archive = ReadBytes(Archive());
  EXPECT_EQ(NamesOf(CentralRecords(archive)), (std::vector<std::string>{"1.jpg", "sub/"}));
  EXPECT_EQ(LocalRecords(archive).size(), 2u);
}

TEST_F(PackTest, SingleFileIsNamedAfterItsLastElementWithoutEvents) {
  Put("1.jpg", Pattern(1000));
  RecordingSink sink;
  ASSERT_EQ(Pack(&sink, Source() + "\\1.jpg", Archive()), kZipDone);
  EXPECT_EQ(NamesOf(CentralRecords(ReadBytes(Archive()))), std::vector<std::string>{"1.jpg"});
  EXPECT_TRUE(sink.percents.empty());
}

TEST_F(PackTest, SingleFileFailureLeavesNoArchiveAndNeverHarmsTheSource) {
  Put("1.jpg", Pattern(1000));
  FileHandle busy(CreateFileW(Widen(Source() + "\\1.jpg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(Pack(nullptr, Source() + "\\1.jpg", Archive()), kZipFailed);
  EXPECT_FALSE(FileExists(Archive()));
  busy.reset();

  EXPECT_EQ(Pack(nullptr, Source() + "\\1.jpg", Source() + "/1.jpg"), kZipFailed);
  EXPECT_EQ(ReadBytes(Source() + "\\1.jpg"), Pattern(1000));
}

TEST_F(PackTest, MissingOrEmptyPathsAreBadArgumentsAndAnUncreatableArchiveFails) {
  EXPECT_EQ(Pack(nullptr, "", Archive()), kZipBadArguments);
  EXPECT_EQ(Pack(nullptr, Source(), ""), kZipBadArguments);
  EXPECT_EQ(Pack(nullptr, temp_ / "missing", Archive()), kZipBadArguments);
  EXPECT_FALSE(FileExists(Archive()));
  EXPECT_EQ(Pack(nullptr, Source(), temp_ / "no\\such\\folder.vmrc"), kZipFailed);
}

// A folder's files are deflated on other cores while earlier entries are written; each entry
// must still be the very stream of deflating that file alone (single-file mode never works
// ahead), whatever its size: empty, around a piece, larger than what is deflated ahead.
TEST_F(PackTest, FilesDeflatedAheadGiveTheBytesOfDeflatingEachAlone) {
  const size_t sizes[] = {0, 1, 16383, 16384, 16385, 150000, 4u << 20, (4u << 20) + 1, 6220854};
  std::vector<std::string> names;
  for (size_t i = 0; i < 40; ++i) {
    const size_t size = sizes[i % std::size(sizes)];
    names.push_back(std::to_string(i + 1) + (i == 7 ? ".zip" : ".jpg"));
    Put(names.back(), i % 2 ? Noise(size, static_cast<uint32_t>(i)) : Pattern(size));
  }
  RecordingSink sink;
  ASSERT_EQ(Pack(&sink, Source(), Archive()), kZipDone);
  EXPECT_EQ(sink.percents.size(), names.size());
  EXPECT_EQ(sink.percents.back(), 100);

  const Bytes archive = ReadBytes(Archive());
  const std::vector<ReadRecord> local = LocalRecords(archive);
  ASSERT_EQ(local.size(), names.size());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string alone = temp_ / ("alone-" + name + ".vmrc");
    ASSERT_EQ(Pack(nullptr, Source() + "\\" + name, alone), kZipDone);
    const Bytes single = ReadBytes(alone);
    const ReadRecord expected = LocalRecords(single).at(0);
    const ReadRecord* packed = Find(local, name);
    ASSERT_NE(packed, nullptr);
    EXPECT_EQ(std::tie(packed->fields.method, packed->fields.flags, packed->fields.crc, packed->fields.compressedSize,
                       packed->fields.uncompressedSize),
              std::tie(expected.fields.method, expected.fields.flags, expected.fields.crc, expected.fields.compressedSize,
                       expected.fields.uncompressedSize));
    EXPECT_TRUE(EntryData(archive, *packed) == EntryData(single, expected));
  }
}

// A file that goes while the folder is packed is left out, even once it was deflated ahead.
TEST_F(PackTest, AFileRemovedDuringPackingIsLeftOut) {
  for (int i = 1; i <= 12; ++i) Put(std::to_string(i) + ".jpg", Pattern(20000 + i));
  const std::string last = LastListed(Source());
  RemovingSink sink(Source() + "\\" + last);
  ASSERT_EQ(Pack(&sink, Source(), Archive()), kZipDone);

  std::vector<std::string> names = NamesOf(CentralRecords(ReadBytes(Archive())));
  EXPECT_EQ(names.size(), 11u);
  EXPECT_EQ(IndexOf(names, last), names.size());
}

TEST_F(PackTest, ChineseNamesAreStoredInTheAnsiCodePage) {
  Put("屏幕.jpg", Pattern(10));
  ASSERT_EQ(Pack(nullptr, Source(), Archive()), kZipDone);
  ReadRecord entry = CentralRecords(ReadBytes(Archive())).at(0);
  EXPECT_EQ(entry.fields.name, ToAnsi(L"屏幕.jpg"));
  EXPECT_EQ(entry.fields.name.size(), 8u);
  EXPECT_EQ(entry.fields.flags & 0x0800, 0);
}

// A list of files under new names packs in the list's order, each entry as folder mode would
// write it; a source that is missing refuses the archive at that entry.
TEST_F(PackTest, ListedFilesPackUnderTheirNewNamesInTheirOrder) {
  for (int i = 1; i <= 4; ++i) Put(std::to_string(i) + ".jpg", Pattern(30000 + i));
  Put("x.zip", Pattern(100));
  const std::vector<PackedFile> files = {{Source() + "\\3.jpg", "1.jpg"},
                                         {Source() + "\\4.jpg", "2.jpg"},
                                         {Source() + "\\x.zip", "sub\\y.zip"}};
  ASSERT_EQ(PackFiles(files, Archive()), kZipDone);
  const std::vector<ReadRecord> entries = CentralRecords(ReadBytes(Archive()));
  EXPECT_EQ(NamesOf(entries), (std::vector<std::string>{"1.jpg", "2.jpg", "sub/y.zip"}));
  EXPECT_EQ(entries.at(0).fields.method, kMethodDeflate);
  EXPECT_EQ(entries.at(0).fields.flags, 0x0002);
  EXPECT_EQ(entries.at(2).fields.method, kMethodStored);
  TempFolder unpacked;
  MakeFolder(unpacked / "sub");
  ASSERT_EQ(Unpack(nullptr, Archive(), unpacked.path()), kZipDone);
  EXPECT_EQ(ReadBytes(unpacked / "1.jpg"), Pattern(30003));
  EXPECT_EQ(ReadBytes(unpacked / "2.jpg"), Pattern(30004));

  const std::vector<PackedFile> gap = {{Source() + "\\1.jpg", "1.jpg"}, {Source() + "\\9.jpg", "2.jpg"}};
  EXPECT_EQ(PackFiles(gap, Archive()), kZipFailed);
  EXPECT_EQ(NamesOf(CentralRecords(ReadBytes(Archive()))), (std::vector<std::string>{"1.jpg"}));
  EXPECT_EQ(PackFiles(files, ""), kZipBadArguments);
}

}  // namespace
