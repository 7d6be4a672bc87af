#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

using Names = std::vector<std::string>;

// A take's working folder: frames, a nested folder and an empty one.
void MakeTake(const std::string& folder) {
  ASSERT_TRUE(MakeFolder(folder));
  ASSERT_TRUE(WriteText(folder + "\\1.bmp", "frame 1"));
  ASSERT_TRUE(WriteText(folder + "\\2.jpg", "frame 2"));
  ASSERT_TRUE(MakeFolder(folder + "\\sub"));
  ASSERT_TRUE(WriteText(folder + "\\sub\\a.txt", "a"));
  ASSERT_TRUE(MakeFolder(folder + "\\sub\\deeper"));
  ASSERT_TRUE(WriteText(folder + "\\sub\\deeper\\b.txt", "b"));
  ASSERT_TRUE(MakeFolder(folder + "\\empty"));
}

}  // namespace

TEST(RemoveFolderTree, RemovesAWholeTreeAndNothingBesideIt) {
  TempFolder temp;
  ASSERT_TRUE(WriteText(temp / "beside.txt", "stays"));
  MakeTake(temp / "greentemp");

  EXPECT_TRUE(RemoveFolderTree(temp / "greentemp"));
  EXPECT_EQ(ListFolder(temp.path()), Names{"beside.txt"});
}

TEST(RemoveFolderTree, AcceptsLeadingBlanksATrailingSeparatorAndChineseNames) {
  TempFolder temp;
  MakeTake(temp / "录像");
  MakeTake(temp / "trailing");

  EXPECT_TRUE(RemoveFolderTree("  " + (temp / "录像")));
  EXPECT_TRUE(RemoveFolderTree(temp / "trailing\\"));
  EXPECT_EQ(ListFolder(temp.path()), Names{});
}

TEST(RemoveFolderTree, DotNamedEntriesStayAndKeepTheirFolders) {
  TempFolder temp;
  std::string folder = temp / "take";
  MakeTake(folder);
  ASSERT_TRUE(WriteText(folder + "\\.keep", ""));
  ASSERT_TRUE(WriteText(folder + "\\sub\\.inner", ""));
  ASSERT_TRUE(MakeFolder(folder + "\\.dots"));
  ASSERT_TRUE(WriteText(folder + "\\.dots\\3.bmp", "frame 3"));

  EXPECT_FALSE(RemoveFolderTree(folder));
  EXPECT_EQ(ListFolder(folder), (Names{".dots", ".keep", "sub"}));
  EXPECT_EQ(ListFolder(folder + "\\sub"), Names{".inner"});
  EXPECT_EQ(ListFolder(folder + "\\.dots"), Names{"3.bmp"});
}

// A folder the program made itself goes whole, dot-named entries at every depth included;
// what lies beside it stays.
TEST(RemoveOwnFolderTree, DotNamedEntriesGoToo) {
  TempFolder temp;
  std::string folder = temp / "1a2b.tmp";
  MakeTake(folder);
  ASSERT_TRUE(WriteText(folder + "\\.DS_Store", ""));
  ASSERT_TRUE(WriteText(folder + "\\sub\\.inner", ""));
  ASSERT_TRUE(MakeFolder(folder + "\\__MACOSX"));
  ASSERT_TRUE(WriteText(folder + "\\__MACOSX\\._1.jpg", "fork"));
  ASSERT_TRUE(MakeFolder(folder + "\\.dots"));
  ASSERT_TRUE(MakeFolder(folder + "\\.dots\\.deeper"));
  ASSERT_TRUE(WriteText(folder + "\\.dots\\.deeper\\.x", "deep"));
  ASSERT_TRUE(WriteText(temp / ".beside", "stays"));

  EXPECT_TRUE(RemoveOwnFolderTree(folder));
  EXPECT_FALSE(FolderExists(folder));
  EXPECT_EQ(ListFolder(temp.path()), Names{".beside"});
  EXPECT_FALSE(RemoveOwnFolderTree(""));
  EXPECT_FALSE(RemoveOwnFolderTree("C:\\"));
}

// The system refuses to delete a read-only file; it stays, everything else goes, and the
// folder that still holds it stays too.
TEST(RemoveFolderTree, AReadOnlyFileStaysWithItsFolder) {
  TempFolder temp;
  std::string folder = temp / "take";
  MakeTake(folder);
  ASSERT_TRUE(WriteText(folder + "\\sub\\locked.bmp", "kept"));
  ASSERT_TRUE(SetFileAttributesW(Widen(folder + "\\sub\\locked.bmp").c_str(), FILE_ATTRIBUTE_READONLY));

  EXPECT_FALSE(RemoveFolderTree(folder));
  EXPECT_EQ(ListFolder(folder), Names{"sub"});
  EXPECT_EQ(ListFolder(folder + "\\sub"), Names{"locked.bmp"});
}

TEST(RemoveFolderTree, NothingToRemoveGivesFalse) {
  TempFolder temp;
  ASSERT_TRUE(WriteText(temp / "1.bmp", "a file, not a folder"));

  EXPECT_FALSE(RemoveFolderTree(""));
  EXPECT_FALSE(RemoveFolderTree("   "));
  EXPECT_FALSE(RemoveFolderTree(temp / "missing"));
  EXPECT_FALSE(RemoveFolderTree(temp / "1.bmp"));
  EXPECT_TRUE(FileExists(temp / "1.bmp"));
}

// The drive root cases run only on the scratch drive that scratch_drive_test.sh maps to a
// throw-away folder (with precious.txt, outside\precious.txt and tree\linked pointing to
// outside), so that a fault can never empty a real drive.
namespace {

std::string ScratchDrive() {
  const char* letter = std::getenv("VELMO_SCRATCH_DRIVE");
  return letter ? std::string(letter) + ":" : std::string();
}

}  // namespace

TEST(ScratchDrive, EverySpellingOfADriveRootIsRefused) {
  std::string drive = ScratchDrive();
  if (drive.empty()) GTEST_SKIP() << "needs the drive that scratch_drive_test.sh maps";
  for (const std::string& root : {drive, drive + "\\", "  " + drive, "  " + drive + "\\", drive + "/",
                                  drive + "\\\\", drive + "\\.", drive + "\\tree\\..", "\\\\?\\" + drive + "\\"})
    EXPECT_FALSE(RemoveFolderTree(root)) << root;

  // Relative paths that climb to the root of the current folder's drive.
  wchar_t previous[MAX_PATH];
  ASSERT_NE(GetCurrentDirectoryW(MAX_PATH, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(drive + "\\tree").c_str()));
  for (const char* root : {"\\", "/", "..", " ..\\"}) EXPECT_FALSE(RemoveFolderTree(root)) << root;
  SetCurrentDirectoryW(previous);

  EXPECT_TRUE(FileExists(drive + "\\precious.txt"));
  EXPECT_TRUE(FileExists(drive + "\\outside\\precious.txt"));
}

TEST(ScratchDrive, ALinkedFolderIsNeverEmptied) {
  std::string drive = ScratchDrive();
  if (drive.empty()) GTEST_SKIP() << "needs the drive that scratch_drive_test.sh maps";
  ASSERT_TRUE(FileExists(drive + "\\tree\\own.txt"));

  RemoveFolderTree(drive + "\\tree");
  EXPECT_FALSE(FileExists(drive + "\\tree\\own.txt"));
  EXPECT_TRUE(FileExists(drive + "\\outside\\precious.txt"));
}
