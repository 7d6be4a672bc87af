// Saving frames of the recording being played as a new file, as the player's menu and Ctrl+S
// ask for it: a .vmrc of the frames' own bytes, MP4 and GIF, the refusals and failures that
// leave no file; and recordings opened by a drop on the window.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <map>

#include "app/player/player_handlers.h"
#include "app/player/player_state.h"
#include "app/player/range_save.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"

namespace {

using namespace PlayerWindow;

constexpr int kFrames = 10;

// Ten frames, each of a colour of its own, so every frame's bytes differ.
RecordingEntries ColouredFrames() {
  RecordingEntries entries;
  for (int n = 1; n <= kFrames; ++n) {
    const Pixel colour{static_cast<uint8_t>(20 * n), static_cast<uint8_t>(200 - 15 * n), static_cast<uint8_t>(7 * n)};
    entries.push_back({std::to_string(n) + ".jpg", JpegFrame(64, 48, colour)});
  }
  return entries;
}

// The scratch folder holds the recording and nothing else must be left beside the targets.
struct Played {
  TempFolder scratch;
  std::string recording = scratch / "take.vmrc";
  RecordingEntries frames = ColouredFrames();
  Played() { WriteRecording(recording, frames); }
};

void OpenAndSave(const std::string& recording, const std::string& target, int first, int last) {
  OpenPlayer();
  OpenRecordingFile(recording);
  AnswerFileDialogsWith(target);
  SaveFramesAs(first, last);
}

std::string LastMessage() { return Seen().questions.empty() ? std::string() : Seen().questions.back(); }

TEST(RangeSave, ARecordingFileHoldsTheRangesFramesByteForByteNumberedFromOne) {
  Played played;
  const std::string target = RangeOutputFolder(played.scratch) + "\\range.vmrc";
  RunRecorder([&] {
    const TextTrail saying("正在保存");
    OpenAndSave(played.recording, target, 3, 7);
    EXPECT_EQ(saying.texts(), std::vector<std::string>{"正在保存…"}) << "the time text says the player saves";
    EXPECT_EQ(LastMessage(), "文件“" + target + "”保存成功!");
    EXPECT_EQ(TimeText().rfind("时长:", 0), 0u) << "the time text comes back after the save";
  });
  TempFolder unpacked;
  ASSERT_EQ(Unpack(nullptr, target, unpacked.path()), kZipDone);
  EXPECT_EQ(ListFolder(unpacked.path()), (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"}));
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(ReadBytes(unpacked / (std::to_string(n) + ".jpg")), played.frames[n + 1].second) << "frame " << n;
  }
  const std::vector<ReadRecord> entries = CentralRecords(ReadBytes(target));
  ASSERT_EQ(entries.size(), 5u);
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].fields.name, std::to_string(i + 1) + ".jpg") << "in the frames' order";
    EXPECT_EQ(entries[i].fields.method, kMethodDeflate);
    EXPECT_EQ(entries[i].fields.flags, 0x0002);
    EXPECT_EQ(entries[i].versionMadeBy, 0x0B17);
  }
  EXPECT_EQ(ListFolder(played.scratch.path()).size(), target.rfind(played.scratch.path(), 0) == 0 ? 2u : 1u)
      << "no temporary file is left beside the target";
}

// The whole recording saved is what Pack writes for a folder of its frames: entry for entry the
// same headers, times, attributes and deflated bytes; only the order may differ.
TEST(RangeSave, TheWholeRecordingIsPackedAsPackPacksItsFrames) {
  Played played;
  const std::string target = played.scratch / "whole.vmrc";
  const std::string packed = played.scratch / "packed.vmrc";
  RunRecorder([&] {
    OpenAndSave(played.recording, target, 1, kFrames);
    ASSERT_EQ(Pack(nullptr, ExtractionFolder, packed), kZipDone);
  });
  const Bytes saved = ReadBytes(target);
  const Bytes reference = ReadBytes(packed);
  ASSERT_EQ(saved.size(), reference.size());
  std::map<std::string, ReadRecord> byName;
  for (const ReadRecord& record : LocalRecords(reference)) byName[record.fields.name] = record;
  const std::vector<ReadRecord> local = LocalRecords(saved);
  ASSERT_EQ(local.size(), static_cast<size_t>(kFrames));
  for (const ReadRecord& record : local) {
    const ReadRecord& other = byName.at(record.fields.name);
    EXPECT_EQ(record.fields.flags, other.fields.flags);
    EXPECT_EQ(record.fields.method, other.fields.method);
    EXPECT_EQ(record.fields.dosTime, other.fields.dosTime);
    EXPECT_EQ(record.fields.dosDate, other.fields.dosDate);
    EXPECT_EQ(record.fields.crc, other.fields.crc);
    EXPECT_EQ(record.fields.compressedSize, other.fields.compressedSize);
    EXPECT_EQ(record.fields.uncompressedSize, other.fields.uncompressedSize);
    EXPECT_EQ(record.fields.times.modified, other.fields.times.modified);
    EXPECT_TRUE(std::equal(saved.begin() + record.dataOffset, saved.begin() + record.dataOffset + record.fields.compressedSize,
                           reference.begin() + other.dataOffset))
        << record.fields.name;
  }
  std::map<std::string, uint32_t> attributes;
  for (const ReadRecord& record : CentralRecords(reference)) attributes[record.fields.name] = record.fields.externalAttributes;
  for (const ReadRecord& record : CentralRecords(saved)) {
    EXPECT_EQ(record.fields.externalAttributes, attributes.at(record.fields.name));
  }
}

// MP4 and GIF of frames 3 to 7, for the peers to count (range_save_peers.sh); here they must
// exist, and nothing but them.
TEST(RangeSave, VideosOfTheRange) {
  Played played;
  const std::string out = RangeOutputFolder(played.scratch);
  for (const char* name : {"range.mp4", "range.gif"}) {
    RunRecorder([&] {
      OpenAndSave(played.recording, out + "\\" + name, 3, 7);
      EXPECT_EQ(LastMessage(), "文件“" + out + "\\" + name + "”保存成功!");
    });
    EXPECT_TRUE(FileExists(out + "\\" + name)) << name;
  }
}

// A range of a recording at 15 frames a second keeps the rate entry after its frames, and its
// videos play at 15 (range_save_peers.sh holds them against Info-ZIP and ffprobe).
TEST(RangeSave, ARangeAtFifteenKeepsItsRate) {
  TempFolder scratch;
  WriteRecording(scratch / "fifteen.vmrc", FramesOfTheirOwnColours(kFrames, 15));
  const std::string out = RangeOutputFolder(scratch);
  for (const char* name : {"range15.vmrc", "range15.mp4", "range15.gif"}) {
    RunRecorder([&] {
      OpenAndSave(scratch / "fifteen.vmrc", out + "\\" + name, 3, 7);
      EXPECT_EQ(LastMessage(), "文件“" + out + "\\" + name + "”保存成功!");
    });
  }
  const std::vector<ReadRecord> entries = CentralRecords(ReadBytes(out + "\\range15.vmrc"));
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries.back().fields.name, "framerate.txt");
}

// A name without an extension takes the chosen filter's: the first, the recording file.
TEST(RangeSave, ANameWithoutExtensionBecomesARecordingFile) {
  Played played;
  RunRecorder([&] { OpenAndSave(played.recording, played.scratch / "剪辑 一", 1, 2); });
  EXPECT_EQ(CentralRecords(ReadBytes(played.scratch / "剪辑 一.vmrc")).size(), 2u);
  ASSERT_FALSE(FileDialogsAsked().empty());
  EXPECT_TRUE(FileDialogsAsked().back().save);
  EXPECT_EQ(FileDialogsAsked().back().filter, L"Velmo录屏数据文件(*.vmrc)|*.vmrc|MP4视频(*.mp4)|*.mp4|GIF动画(*.gif)|*.gif|");
}

// The refusals and failures: a message naming the file, and no file left, neither under the
// target's name nor beside it; the recording being played unchanged.
class RangeSaveRefused : public testing::Test {
 protected:
  void SaveTo(const std::string& target) {
    RunRecorder([&] { OpenAndSave(played_.recording, target, 3, 7); });
  }
  void ExpectOnlyTheRecording(const std::string& message) {
    EXPECT_EQ(ListFolder(played_.scratch.path()), (std::vector<std::string>{"take.vmrc"}));
    EXPECT_EQ(ReadBytes(played_.recording), original_) << "the recording being played never changes";
    EXPECT_NE(LastMessage().find(message), std::string::npos) << LastMessage();
  }
  Played played_;
  Bytes original_ = ReadBytes(played_.recording);
};

TEST_F(RangeSaveRefused, TheRecordingBeingPlayed) {
  SaveTo(played_.recording);
  ExpectOnlyTheRecording("正在播放，不能保存到它上面");
}

TEST_F(RangeSaveRefused, TheRecordingBeingPlayedSpeltAnotherWay) {
  std::string upper = played_.recording;
  upper.replace(upper.size() - 4, 4, "VMRC");
  SaveTo(upper);
  ExpectOnlyTheRecording("正在播放");
  SaveTo(played_.scratch / "sub\\..\\.\\take.vmrc");
  ExpectOnlyTheRecording("正在播放");
  wchar_t shortName[MAX_PATH] = {};
  if (GetShortPathNameW(Widen(played_.recording).c_str(), shortName, MAX_PATH) && Narrow(shortName) != played_.recording) {
    SaveTo(Narrow(shortName));
    ExpectOnlyTheRecording("正在播放");
  }
}

// A recording named relatively, as a command line may name it, is still known once a dialog has
// moved the current folder.
TEST_F(RangeSaveRefused, TheRecordingBeingPlayedOpenedByARelativeName) {
  wchar_t before[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, before);
  RunRecorder([&] {
    SetCurrentDirectoryW(Widen(played_.scratch.path()).c_str());
    PlayRecordingAt("take.vmrc");
    AwaitRecordingUnpacked();
    EXPECT_EQ(OpenedRecording, played_.recording);
    SetCurrentDirectoryW(before);
    AnswerFileDialogsWith(played_.recording);
    SaveFramesAs(1, 2);
  });
  SetCurrentDirectoryW(before);
  ExpectOnlyTheRecording("正在播放");
}

TEST_F(RangeSaveRefused, AFolderThatIsGone) {
  SaveTo(played_.scratch / "gone\\range.vmrc");
  ExpectOnlyTheRecording("目标文件夹不存在");
  SaveTo(played_.scratch / "gone\\range.mp4");
  ExpectOnlyTheRecording("保存出错!");
}

// A folder stands where the file would go: the finished file cannot be renamed onto it, and
// goes.
TEST_F(RangeSaveRefused, AFolderInTheTargetsPlace) {
  ASSERT_TRUE(MakeFolder(played_.scratch / "range.vmrc"));
  SaveTo(played_.scratch / "range.vmrc");
  EXPECT_EQ(ListFolder(played_.scratch.path()), (std::vector<std::string>{"range.vmrc", "take.vmrc"}));
  EXPECT_TRUE(FolderExists(played_.scratch / "range.vmrc"));
  EXPECT_TRUE(ListFolder(played_.scratch / "range.vmrc").empty());
  EXPECT_NE(LastMessage().find("保存出错!"), std::string::npos);
}

TEST_F(RangeSaveRefused, ACancelledDialogSavesNothingAndSaysNothing) {
  RunRecorder([&] {
    OpenAndSave(played_.recording, "", 1, kFrames);
    EXPECT_TRUE(Seen().questions.empty());
  });
  EXPECT_EQ(ListFolder(played_.scratch.path()), (std::vector<std::string>{"take.vmrc"}));
}

// Explorer's drop as the system delivers it: a DROPFILES block of wide names, posted to the
// window. The first of several files is opened.
void DropOnPlayer(const std::vector<std::string>& paths) {
  std::wstring names;
  for (const std::string& path : paths) names += Widen(path) + L'\0';
  names += L'\0';
  const size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  ASSERT_NE(block, nullptr);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(block);
  ASSERT_TRUE(PostMessageW(LiveHwnd(Player(kId)), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0));
  ProcessPendingEvents();
  AwaitRecordingUnpacked();
}

TEST(PlayerDrop, ADroppedRecordingPlays) {
  TempFolder scratch;
  const std::string first = scratch / "我的 录像 一.vmrc";
  const std::string second = scratch / "二.vmrc";
  WriteRecording(first, ColouredFrames());
  WriteRecording(second, {{"1.jpg", JpegFrame(64, 48, {250, 0, 0})}});
  RunRecorder([&] {
    OpenPlayer();
    EXPECT_TRUE(GetWindowLongW(LiveHwnd(Player(kId)), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "Explorer may drop on it";
    DropOnPlayer({first, second});
    EXPECT_EQ(OpenedRecording, first);
    EXPECT_TRUE(TimeText().ends_with("/1秒")) << TimeText();
    EXPECT_TRUE(PlayerButtonEnabled(暂停按钮)) << "it plays";
    const int next = NextFrame;
    Tick(3);
    EXPECT_EQ(NextFrame, next + 3);

    DropOnPlayer({scratch.path()});
    EXPECT_EQ(OpenedRecording, scratch.path());
    EXPECT_EQ(TimeText(), "时长:0/0秒") << "a folder opens as a file with no frames";
  });
}

}  // namespace
