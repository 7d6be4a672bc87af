// What opening recordings does on disk: the player's own extraction folders, which go again
// when the window closes, the recorder's working folder left alone, and files that are not good
// recordings played as far as they go without writing anywhere else.
#include <gtest/gtest.h>


#include "app/player/player_handlers.h"
#include "app/player/player_state.h"
#include "app/recorder/recorder_state.h"
#include "components/services/services.h"
#include "components/zip/zip.h"
#include "forms/recorder_window.h"
#include "tests/controls/program_run.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"

namespace {

using namespace PlayerWindow;

constexpr Pixel kRed{230, 20, 20};

std::string TemporaryFolder() { return SpecialFolderPath(kTemporaryFolder); }

RecordingEntries RedFrames(int frames) {
  const Bytes red = JpegFrame(32, 24, kRed);
  RecordingEntries entries;
  for (int n = 1; n <= frames; ++n) entries.push_back({std::to_string(n) + ".jpg", red});
  return entries;
}

TEST(PlayerFiles, EachOpenUnpacksIntoAFreshFolderThatGoesWithTheWindow) {
  TempFolder scratch;
  WriteRecording(scratch / "a.vmrc", RedFrames(2));
  WriteRecording(scratch / "b.vmrc", RedFrames(3));
  RunRecorder([&] {
    OpenPlayer();
    OpenRecordingFile(scratch / "a.vmrc");
    const std::string first = ExtractionFolder;
    EXPECT_EQ(first.rfind(TemporaryFolder(), 0), 0u);
    EXPECT_EQ(first.substr(first.size() - 4), ".tmp");
    EXPECT_EQ(ListFolder(first), (std::vector<std::string>{"1.jpg", "2.jpg"}));

    OpenRecordingFile(scratch / "b.vmrc");
    EXPECT_NE(ExtractionFolder, first);
    EXPECT_FALSE(FolderExists(first)) << "the last open's folder goes at the next open";
    const std::string second = ExtractionFolder;
    EXPECT_EQ(ListFolder(second).size(), 3u);

    DestroyWindow(kId, true);
    AwaitRecordingUnpacked();
    EXPECT_FALSE(FolderExists(second)) << "no unpacked frames stay once the window is closed";
    OpenPlayer();
    EXPECT_EQ(TimeText(), "时长:0/0秒") << "a new window starts from its stored texts";
    EXPECT_FALSE(PlayerButtonEnabled(播放按钮));
    OpenRecordingFile(scratch / "a.vmrc");
  });
  EXPECT_TRUE(ExtractionFolder.empty());
}

// Dot-named entries, as archivers on other systems add them, go with the rest of the player's
// own folder: at the next open, when the window closes and when the program ends.
TEST(PlayerFiles, DotNamedEntriesGoWithTheExtractionFolder) {
  TempFolder scratch;
  const Bytes red = JpegFrame(32, 24, kRed);
  const std::vector<TestEntry> entries = {{.name = "1.jpg", .data = std::string(red.begin(), red.end())},
                                          {.name = ".DS_Store", .data = "finder"},
                                          FolderEntry("__MACOSX/"),
                                          {.name = "__MACOSX/._1.jpg", .data = "fork"},
                                          FolderEntry(".hidden/"),
                                          {.name = ".hidden/2.jpg", .data = "two"}};
  WriteBytes(scratch / "dots.vmrc", BuildArchive(entries));
  std::vector<std::string> folders;
  RunRecorder([&] {
    OpenPlayer();
    for (int open = 0; open < 3; ++open) {
      OpenRecordingFile(scratch / "dots.vmrc");
      folders.push_back(ExtractionFolder);
      ASSERT_EQ(ListFolder(ExtractionFolder), (std::vector<std::string>{".DS_Store", ".hidden", "1.jpg", "__MACOSX"}));
      EXPECT_EQ(TimeText(), "时长:0/0.1秒");
      if (open == 0) continue;
      EXPECT_FALSE(FolderExists(folders[open - 1])) << "the last open's folder goes at the next open";
      if (open == 1) {
        DestroyWindow(kId, true);
        AwaitRecordingUnpacked();
        EXPECT_FALSE(FolderExists(folders[open])) << "the folder goes when the window closes";
        OpenPlayer();
      }
    }
  });
  EXPECT_FALSE(FolderExists(folders.back())) << "the folder goes when the program ends";
}

// A take that has not been saved survives opening a recording, and the next take holds only its
// own frames.
TEST(PlayerFiles, TheRecordersWorkingFolderIsNeverTouched) {
  TempFolder scratch;
  WriteRecording(scratch / "other.vmrc", RedFrames(6));
  RunRecorder([&] {
    Click(RecorderWindow::按钮1);
    CaptureTicks(2);
    Click(RecorderWindow::按钮2);
    const int firstTake = FrameCount;
    ASSERT_GE(firstTake, 2);
    const std::vector<std::string> framesBefore = ListFolder(WorkingFolder());

    OpenPlayer();
    OpenRecordingFile(scratch / "other.vmrc");
    Tick(3);
    EXPECT_EQ(ListFolder(WorkingFolder()), framesBefore) << "the unsaved take is still there";
    EXPECT_EQ(FrameFolder, WorkingFolder());

    AnswerQuestionsWith(IDNO);
    Click(RecorderWindow::按钮1);
    Click(RecorderWindow::按钮2);
    EXPECT_EQ(ListFolder(WorkingFolder()), (std::vector<std::string>{"1.vlf", "coded"}))
        << "the new take holds its own frame alone: none of the opened recording, none of the take given up";
  });
}

struct BadFile {
  const char* what;
  Bytes bytes;
  std::string timeText;
};

Bytes Truncated(Bytes bytes) {
  bytes.resize(bytes.size() / 2);
  return bytes;
}

// A recording packed by the program's own Pack (deflated), with the data of its last entry
// flipped so that inflating it fails. The unpack stops there; the file it had begun stays and
// counts, and plays as a tick without a picture.
Bytes CorruptLastEntry() {
  TempFolder source;
  const Bytes frame = JpegFrame(32, 24, kRed);
  for (int n = 1; n <= 3; ++n) WriteBytes(source / (std::to_string(n) + ".jpg"), frame);
  TempFolder out;
  Pack(nullptr, source.path(), out / "r.vmrc");
  Bytes archive = ReadBytes(out / "r.vmrc");
  const ReadRecord last = LocalRecords(archive).back();
  for (size_t i = 0; i < last.fields.compressedSize; ++i) archive[last.dataOffset + i] ^= 0x5A;
  return archive;
}

Bytes HostileNames() {
  const Bytes frame = JpegFrame(8, 8, kRed);
  RecordingEntries entries = {{"1.jpg", frame},
                              {"../velmo-escaped.jpg", frame},
                              {"..\\velmo-escaped.jpg", frame},
                              {"/velmo-escaped.jpg", frame},
                              {"C:velmo-escaped.jpg", frame}};
  TempFolder out;
  WriteRecording(out / "h.vmrc", entries);
  return ReadBytes(out / "h.vmrc");
}

TEST(PlayerFiles, BadFilesPlayWhatCouldBeExtractedAndWriteNothingElsewhere) {
  TempFolder made;
  WriteRecording(made / "good.vmrc", RedFrames(4));
  const Bytes good = ReadBytes(made / "good.vmrc");
  const std::vector<BadFile> cases = {
      {"not a ZIP archive", Bytes{'J', 'u', 's', 't', ' ', 't', 'e', 'x', 't'}, "时长:0/0秒"},
      {"an empty file", Bytes{}, "时长:0/0秒"},
      {"a truncated archive", Truncated(good), "时长:0/0秒"},
      {"corrupt entry data", CorruptLastEntry(), "时长:0/0.3秒"},
      {"entry names reaching outside", HostileNames(), "时长:0/0.1秒"},
  };
  TempFolder scratch;
  RunRecorder([&] {
    OpenPlayer();
    for (const BadFile& bad : cases) {
      WriteBytes(scratch / "bad.vmrc", bad.bytes);
      OpenRecordingFile(scratch / "bad.vmrc");
      EXPECT_EQ(TimeText(), bad.timeText) << bad.what;
      Tick(4);
      EXPECT_TRUE(IsWindowLoaded(kId)) << bad.what;
    }
    OpenRecordingFile(scratch / "missing.vmrc");
    EXPECT_EQ(TimeText(), "时长:0/0秒");
  });
  for (const std::string& place : {TemporaryFolder(), TemporaryFolder().substr(0, 3)})
    EXPECT_FALSE(FileExists(place + "velmo-escaped.jpg")) << place;
}

}  // namespace
