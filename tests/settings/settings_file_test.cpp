// The settings file as the program meets it on disk: a round trip, a file written by someone
// else, damaged and foreign files, a folder that cannot be written, and the portable file
// beside the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/settings/settings_file.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

Settings Changed() {
  Settings settings;
  settings.recordOrStopKey = {0x2, 0x77};
  settings.pauseOrResumeKey = {};
  settings.drawPointer = false;
  settings.highlightClicks = true;
  settings.excludeOwnWindows = false;
  settings.recordMicrophone = true;
  settings.microphoneName = "麦克风阵列 (Realtek(R) Audio)";
  settings.computerSoundLevel = 35;
  return settings;
}
const Settings kChanged = Changed();

std::string TextOf(const std::string& path) {
  const Bytes bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(SettingsFile, NoFileGivesTheDefaultsAndAStoreCreatesItsFolder) {
  TempFolder temp;
  const std::string path = temp / "Velmo屏幕录像器\\settings.ini";
  EXPECT_EQ(LoadSettingsFile(path), Settings{});
  ASSERT_TRUE(StoreSettingsFile(path, kChanged));
  EXPECT_EQ(LoadSettingsFile(path), kChanged);
  const std::string text = TextOf(path);
  EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF"));
  EXPECT_NE(text.find("[Hotkeys]\r\nRecordOrStop=Ctrl+F8\r\nPauseOrResume=\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Recording]\r\nDrawPointer=0\r\nHighlightClicks=1\r\nExcludeOwnWindows=0\r\n"),
            std::string::npos)
      << text;
  EXPECT_TRUE(text.ends_with("[Sound]\r\nMicrophone=1\r\nMicrophoneDevice=麦克风阵列 (Realtek(R) Audio)\r\n"
                             "MicrophoneLevel=100\r\nComputerSound=0\r\nComputerSoundLevel=35\r\n"))
      << text;
  EXPECT_EQ(ListFolder(temp / "Velmo屏幕录像器"), std::vector<std::string>{"settings.ini"});
}

TEST(SettingsFile, AStoreKeepsWhatOthersWrote) {
  TempFolder temp;
  const std::string path = temp / "settings.ini";
  ASSERT_TRUE(WriteText(path,
                        "\xEF\xBB\xBF; 我的注释\n[Hotkeys]\nRecordOrStop=Alt+F2\nFuture=1\n[Later]\nkey=值\n"));
  EXPECT_EQ(LoadSettingsFile(path).recordOrStopKey, (Hotkey{0x1, 0x71}));
  ASSERT_TRUE(StoreSettingsFile(path, kChanged));
  const std::string text = TextOf(path);
  EXPECT_TRUE(text.starts_with("; 我的注释\r\n[Hotkeys]\r\nRecordOrStop=Ctrl+F8\r\nFuture=1\r\n")) << text;
  EXPECT_NE(text.find("[Later]\r\nkey=值\r\n"), std::string::npos) << text;
  EXPECT_EQ(LoadSettingsFile(path), kChanged);
}

TEST(SettingsFile, DamagedAndForeignFilesGiveTheDefaultsForWhatCannotBeRead) {
  TempFolder temp;
  const std::string path = temp / "settings.ini";
  Bytes binary(100000);
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<uint8_t>(i * 7919 >> 3);
  ASSERT_TRUE(WriteBytes(path, binary));
  EXPECT_EQ(LoadSettingsFile(path), Settings{});

  const std::wstring wide = L"\xFEFF[Recording]\r\nDrawPointer=0\r\n";
  ASSERT_TRUE(WriteBytes(path, Bytes(reinterpret_cast<const uint8_t*>(wide.data()),
                                     reinterpret_cast<const uint8_t*>(wide.data() + wide.size()))));
  EXPECT_EQ(LoadSettingsFile(path), Settings{});
  // The foreign file is replaced by a readable one.
  ASSERT_TRUE(StoreSettingsFile(path, kChanged));
  EXPECT_EQ(LoadSettingsFile(path), kChanged);

  ASSERT_TRUE(WriteText(path, "[Recording]\nDrawPointer=\xFF\xFE\nHighlightClicks=1\n[Hotkeys]\nRecordOrStop=F99\n"));
  Settings expected;
  expected.highlightClicks = true;
  EXPECT_EQ(LoadSettingsFile(path), expected);
}

TEST(SettingsFile, AnOversizedFileReadsOnlyItsWholeLinesWithinTheLimit) {
  TempFolder temp;
  const std::string path = temp / "settings.ini";
  std::string text = "[Recording]\r\nHighlightClicks=1\r\n; " + std::string(kSettingsReadLimit, 'x') + "\r\n";
  text += "DrawPointer=0\r\n";
  for (int i = 0; i < 20000; ++i) text += "filler" + std::to_string(i) + "=" + std::string(40, 'y') + "\r\n";
  ASSERT_TRUE(WriteText(path, text));
  Settings expected;
  expected.highlightClicks = true;
  EXPECT_EQ(LoadSettingsFile(path), expected);
  ASSERT_TRUE(StoreSettingsFile(path, kChanged));
  EXPECT_LT(ReadBytes(path).size(), kSettingsReadLimit);
  EXPECT_EQ(LoadSettingsFile(path), kChanged);
}

// A folder nothing can be created in: here its place is taken by a file, so the folder cannot
// be made; settings_read_only_folder.sh runs the same with a truly read-only folder.
TEST(SettingsFile, AStoreThatCannotWriteLeavesNothingBehind) {
  TempFolder temp;
  ASSERT_TRUE(WriteText(temp / "blocked", "a file where the folder should be"));
  EXPECT_FALSE(StoreSettingsFile(temp / "blocked\\settings.ini", kChanged));
  EXPECT_EQ(ListFolder(temp.path()), std::vector<std::string>{"blocked"});
}

TEST(SettingsFile, AReadOnlyFolderKeepsTheOldFileAndGetsNoTemporaryFile) {
  const char* folder = std::getenv("VELMO_READ_ONLY_FOLDER");
  if (!folder) GTEST_SKIP() << "run by settings_read_only_folder.sh";
  const std::string path = std::string(folder) + "\\settings.ini";
  const Bytes before = ReadBytes(path);
  ASSERT_FALSE(before.empty());
  EXPECT_FALSE(StoreSettingsFile(path, kChanged));
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(ListFolder(folder), std::vector<std::string>{"settings.ini"});
}

TEST(SettingsFile, ThePortableFileBesideTheProgramWins) {
  TempFolder program;
  TempFolder appData;
  const std::string inAppData = appData / "Velmo屏幕录像器\\settings.ini";
  EXPECT_EQ(ChooseSettingsFilePath(program.path() + "\\", appData.path() + "\\"), inAppData);
  ASSERT_TRUE(WriteText(program / "settings.ini", ""));
  EXPECT_EQ(ChooseSettingsFilePath(program.path() + "\\", appData.path() + "\\"), program / "settings.ini");
  // A folder of that name is no settings file.
  TempFolder other;
  ASSERT_TRUE(MakeFolder(other / "settings.ini"));
  EXPECT_EQ(ChooseSettingsFilePath(other.path() + "\\", appData.path() + "\\"), inAppData);
}

TEST(SettingsFile, TheProgramKeepsItsFileInTheRoamingApplicationData) {
  if (FileExists(ProgramFilePath("settings.ini"))) GTEST_SKIP() << "a portable settings.ini lies beside the tests";
  EXPECT_EQ(SettingsFilePath(), SpecialFolderPath(8) + "Velmo屏幕录像器\\settings.ini");
}

}  // namespace
