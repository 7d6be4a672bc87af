// Pack then Unpack gives back the same tree: bytes, names and last-write times.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "components/zip/zip.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/recording_sink.h"

namespace {

Bytes Noise(size_t size, uint32_t seed) {
  Bytes bytes(size);
  for (uint8_t& byte : bytes) {
    seed = seed * 1103515245 + 12345;
    byte = static_cast<uint8_t>(seed >> 16);
  }
  return bytes;
}

void SetWriteTime(const std::string& path, WORD year, WORD month, WORD day) {
  FileHandle file(CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  SYSTEMTIME utc{year, month, 0, day, 8, 9, 11, 0};
  FILETIME time;
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &time));
  ASSERT_TRUE(SetFileTime(file.get(), nullptr, nullptr, &time));
}

int64_t WriteSecond(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data);
  return static_cast<int64_t>(static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                              data.ftLastWriteTime.dwLowDateTime) / 10000000;
}

TEST(RoundTrip, PackThenUnpackGivesBackEveryFileWithItsBytesAndTimes) {
  TempFolder temp;
  std::string source = temp / "源文件夹";
  const std::vector<std::pair<std::string, Bytes>> files = {
      {"1.jpg", Noise(100000, 1)},       {"2.jpg", Bytes(50000, 0x55)},          {"empty.jpg", Bytes{}},
      {"录像 帧.jpg", Noise(300, 2)},    {"sub\\x.zip", Noise(20000, 3)},        {"sub\\深\\3.jpg", Noise(16384, 4)},
      {"sub\\深\\4.jpg", Noise(16385, 5)}};
  ASSERT_TRUE(MakeFolder(source));
  ASSERT_TRUE(MakeFolder(source + "\\sub"));
  ASSERT_TRUE(MakeFolder(source + "\\sub\\深"));
  ASSERT_TRUE(MakeFolder(source + "\\empty folder"));
  for (const auto& [name, bytes] : files) {
    ASSERT_TRUE(WriteBytes(source + "\\" + name, bytes));
    SetWriteTime(source + "\\" + name, 2019, 11, 30);
  }
  SetWriteTime(source + "\\1.jpg", 1975, 5, 6);  // before 1980: only the timestamp field keeps it
  ASSERT_EQ(Pack(nullptr, source, temp / "take.vmrc"), kZipDone);

  std::string target = temp / "提取\\out";
  RecordingSink sink;
  ASSERT_EQ(Unpack(&sink, temp / "take.vmrc", target), kZipDone);
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ReadBytes(target + "\\" + name), bytes);
    EXPECT_EQ(WriteSecond(target + "\\" + name), WriteSecond(source + "\\" + name));
  }
  EXPECT_TRUE(FolderExists(target + "\\empty folder"));
  EXPECT_EQ(sink.percents.size(), files.size() + 4);  // 3 folders, then the final event
  EXPECT_EQ(sink.percents.back(), 100);
}

}  // namespace
