// The steps that put files on the disk for good, on real files: each does what it says, and the
// watch sees exactly the steps that succeeded, in the order they were taken.
#include "components/services/lasting_files.h"

#include <gtest/gtest.h>

#include "components/services/services.h"
#include "tests/support/file_step_log.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(LastingFiles, AFinishedFileReplacesItsTargetAndTheWatchSeesEachStep) {
  TempFolder temp;
  const std::string part = temp / "片.mp4.7.part";
  const std::string target = temp / "片.mp4";
  const std::string folder = temp / "frames";
  ASSERT_TRUE(WriteBytes(part, {1, 2, 3}));
  ASSERT_TRUE(WriteBytes(target, {9}));
  ASSERT_TRUE(MakeFolder(folder));
  ASSERT_TRUE(WriteBytes(folder + "\\1.bmp", {4}));
  FileStepLog log;

  EXPECT_TRUE(FlushFileToDisk(part));
  EXPECT_TRUE(MoveFileIntoPlace(part, target));
  EXPECT_TRUE(DeleteOneFile(folder + "\\1.bmp"));
  EXPECT_TRUE(RemoveFolderTree(folder));

  EXPECT_EQ(ReadBytes(target), (Bytes{1, 2, 3}));
  EXPECT_EQ(ListFolder(temp.path()), std::vector<std::string>{"片.mp4"});
  EXPECT_EQ(log.steps(),
            (std::vector<std::string>{"flushed 片.mp4.7.part", "renamed 片.mp4", "deleted 1.bmp", "removed folder frames"}));
}

TEST(LastingFiles, AStepThatFailsChangesNothingAndIsNotSeen) {
  TempFolder temp;
  const std::string target = temp / "take.mp4";
  ASSERT_TRUE(WriteBytes(target, {9}));
  FileStepLog log;

  EXPECT_FALSE(FlushFileToDisk(temp / "missing.part"));
  EXPECT_FALSE(MoveFileIntoPlace(temp / "missing.part", target));
  EXPECT_FALSE(DeleteOneFile(temp / "missing.bmp"));
  EXPECT_FALSE(RemoveFolderTree(temp / "missing"));

  EXPECT_EQ(ReadBytes(target), Bytes{9});
  EXPECT_TRUE(log.steps().empty());
}

}  // namespace
