// Fresh extraction-folder names: hex of tick count plus request, a separator added only when
// missing, names already taken skipped, and real folders never reused.
#include "app/player/temporary_name.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(TemporaryName, IsTheHexOfTickCountPlusRequestInTheFolder) {
  auto nothingTaken = [](const std::string&) { return false; };
  EXPECT_EQ(TemporaryNameFrom("C:\\Temp\\", 0x1A2B, 0, nothingTaken), "C:\\Temp\\1a2b.tmp");
  EXPECT_EQ(TemporaryNameFrom("C:\\Temp", 0x1A2B, 3, nothingTaken), "C:\\Temp\\1a2e.tmp");
  EXPECT_EQ(TemporaryNameFrom("C:\\Temp\\", 0xFFFFFFFF, 1, nothingTaken), "C:\\Temp\\0.tmp");
}

TEST(TemporaryName, SkipsEveryNameAlreadyTaken) {
  const std::set<std::string> taken = {"D:\\t\\10.tmp", "D:\\t\\11.tmp", "D:\\t\\13.tmp"};
  auto isTaken = [&](const std::string& path) { return taken.count(path) > 0; };
  EXPECT_EQ(TemporaryNameFrom("D:\\t", 0x10, 0, isTaken), "D:\\t\\12.tmp");
}

TEST(TemporaryName, NeverNamesAnExistingFileOrFolder) {
  TempFolder folder;
  std::set<std::string> names;
  for (int i = 0; i < 5; ++i) {
    const std::string name = TemporaryNameNotYetInUse(folder.path());
    EXPECT_FALSE(FileExists(name) || FolderExists(name));
    EXPECT_EQ(name.rfind(folder.path() + "\\", 0), 0u);
    ASSERT_TRUE(MakeFolder(name));
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 5u);
}

}  // namespace
