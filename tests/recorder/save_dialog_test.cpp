// Saving a take as a user does it: 按钮3 opens SaveDialog, 保存按钮 asks for the file, the frames
// are shrunk and converted with their progress texts, the folder is packed and the result told.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/recorder/disk_space.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/save_messages.h"
#include "app/recorder/save_pipeline.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "components/zip/zip.h"
#include "controls/event_delivery.h"
#include "controls/runtime_state.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/controls/screenshot.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/recorder/settings_for_test.h"
#include "tests/support/file_step_log.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"

namespace {

constexpr Pixel kRed{230, 20, 20};
constexpr Pixel kBlue{20, 40, 220};
constexpr Pixel kGreen{20, 200, 40};

std::string FrameFile(int n, const char* suffix) { return WorkingFolder() + "\\" + std::to_string(n) + suffix; }

// Frame i of a take on the 1024x768 test screen: red beside blue, green beside blue for frame 2.
void PrepareTake(int frames) {
  MakeFolder(WorkingFolder());
  for (int i = 1; i <= frames; ++i) WriteBytes(FrameFile(i, ".bmp"), TwoColourFrame(1024, 768, i == 2 ? kGreen : kRed, kBlue));
  FrameCount = frames;
  RaiseEvent(RecorderWindow::kId, RecorderWindow::菜单_停止, 0);
}

bool SaveCommandEnabled() { return IsWindowEnabled(RecorderHwnd(RecorderWindow::按钮3)) != 0; }

// 按钮3, then 保存按钮 once SaveDialog is up; returns when SaveDialog has closed.
void SaveAs(const std::string& target, const std::function<void()>& inDialog = [] {}) {
  AnswerFileDialogsWith(target);
  WhenLoaded(SaveDialog::kId, [inDialog] {
    inDialog();
    PostClick({SaveDialog::kId, SaveDialog::保存按钮});
  });
  Click(RecorderWindow::按钮3);
}

std::vector<std::string> EntriesOf(const std::string& archive, const TempFolder& scratch) {
  const std::string folder = scratch / "unpacked";
  EXPECT_EQ(Unpack(nullptr, archive, folder), kZipDone);
  return ListFolder(folder);
}

TEST(SaveDialog, AThreeFrameTakeAtEightyPercent) {
  TempFolder scratch;
  const std::string target = scratch / "三帧.vmrc";
  std::vector<std::string> progress;
  RunRecorder([&] {
    PrepareTake(3);
    TextTrail trail("正在");
    SaveAs(target);
    progress = trail.texts();
    EXPECT_FALSE(IsWindowLoaded(SaveDialog::kId));
    EXPECT_FALSE(SaveCommandEnabled()) << "saving the same take again needs a new stop";
  });
  EXPECT_EQ(progress, (std::vector<std::string>{"正在处理数据", "正在处理数据33%", "正在处理数据67%", "正在处理数据100%",
                                                 "正在保存(33)%", "正在保存(66)%", "正在保存(100)%"}));
  ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + target + "”保存成功!"});
  EXPECT_EQ(Seen().captions[0], "信息：");
  EXPECT_EQ(Seen().styles[0] & (MB_TYPEMASK | MB_ICONMASK), unsigned{MB_OK | MB_ICONINFORMATION});
  ASSERT_EQ(FileDialogsAsked().size(), 1u);
  EXPECT_TRUE(FileDialogsAsked()[0].save);
  EXPECT_EQ(FileDialogsAsked()[0].filter, L"Velmo录屏文件(*.vmrc)|*.vmrc|");
  EXPECT_EQ(FileDialogsAsked()[0].defaultExtension, L"vmrc");
  EXPECT_FALSE(FolderExists(WorkingFolder())) << "the working folder goes once the take is saved";

  EXPECT_EQ(EntriesOf(target, scratch), (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg"}));
  for (int n = 1; n <= 3; ++n) {
    const Bytes jpeg = ReadBytes(scratch / "unpacked" + "\\" + JpegFrameName(n));
    const Picture frame = DecodedPicture(jpeg);
    ASSERT_EQ(frame.width, 819) << "frame " << n;
    ASSERT_EQ(frame.height, 614);
    EXPECT_EQ(FirstQuantisationValue(jpeg), 6) << "JPEG quality 80";
    EXPECT_TRUE(PixelNear(frame.At(200, 300), n == 2 ? kGreen : kRed)) << "frame " << n;
    EXPECT_TRUE(PixelNear(frame.At(600, 300), kBlue)) << "frame " << n;
  }
}

// The slider moved with the keyboard, as a user would; the next load shows the same choice.
TEST(SaveDialog, TheSliderAtOneSavesAFifthOfTheScreenAtQualityTwenty) {
  TempFolder scratch;
  const std::string target = scratch / "small.vmrc";
  std::string labelAfterMove;
  int canvasWidth = 0, canvasHeight = 0;
  std::string labelOnReopen;
  int sliderOnReopen = 0;
  RunRecorder([&] {
    PrepareTake(1);
    SaveAs(target, [&] {
      const HWND slider = LiveHwnd({SaveDialog::kId, SaveDialog::滑块条});
      SendMessageW(slider, WM_KEYDOWN, VK_HOME, 0);
      SendMessageW(slider, WM_KEYUP, VK_HOME, 0);
      labelAfterMove = ReadText({SaveDialog::kId, SaveDialog::品质标签}, label_property::kCaption);
      canvasWidth = ReadInt({SaveDialog::kId, SaveDialog::隐藏画板}, common_property::kWidth);
      canvasHeight = ReadInt({SaveDialog::kId, SaveDialog::隐藏画板}, common_property::kHeight);
    });
    WhenLoaded(SaveDialog::kId, [&] {
      sliderOnReopen = ReadInt({SaveDialog::kId, SaveDialog::滑块条}, slider_bar_property::kPosition);
      labelOnReopen = ReadText({SaveDialog::kId, SaveDialog::品质标签}, label_property::kCaption);
      PostClick({SaveDialog::kId, SaveDialog::取消按钮});
    });
    LoadWindow(SaveDialog::kId, 0, true);
  });
  EXPECT_EQ(labelAfterMove, "20%");
  EXPECT_EQ(canvasWidth, 204);
  EXPECT_EQ(canvasHeight, 153);
  EXPECT_EQ(sliderOnReopen, 1);
  EXPECT_EQ(labelOnReopen, "20%");
  EntriesOf(target, scratch);
  const Bytes jpeg = ReadBytes(scratch / "unpacked\\1.jpg");
  const Picture frame = DecodedPicture(jpeg);
  EXPECT_EQ(frame.width, 204);
  EXPECT_EQ(frame.height, 153);
  EXPECT_EQ(FirstQuantisationValue(jpeg), 40) << "JPEG quality 20";
}

TEST(SaveDialog, CancellingTheFileDialogKeepsTheFramesAndTheSaveCommand) {
  RunRecorder([] {
    PrepareTake(2);
    SaveAs("");
    EXPECT_FALSE(IsWindowLoaded(SaveDialog::kId));
    EXPECT_TRUE(SaveCommandEnabled());
    EXPECT_EQ(ListFolder(WorkingFolder()), (std::vector<std::string>{"1.bmp", "2.bmp"}));
    EXPECT_EQ(ReadBytes(FrameFile(1, ".bmp")).size(), 2359350u) << "frames stay as captured";
  });
  EXPECT_TRUE(Seen().questions.empty());
}

TEST(SaveDialog, WithoutAWorkingFolderTheSaveFailsAndTheTargetGoes) {
  TempFolder scratch;
  const std::string target = scratch / "old.vmrc";
  WriteText(target, "an older file the user chose to replace");
  RunRecorder([&] {
    RaiseEvent(RecorderWindow::kId, RecorderWindow::菜单_停止, 0);
    SaveAs(target);
    EXPECT_FALSE(SaveCommandEnabled());
  });
  ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + target + "”保存出错!"});
  EXPECT_EQ(Seen().styles[0] & (MB_TYPEMASK | MB_ICONMASK), unsigned{MB_OK | MB_ICONEXCLAMATION});
  EXPECT_FALSE(FileExists(target));
}

// Each entry of a recording by its name: its central record and its data.
struct EntryFound {
  EntryRecord record;
  uint16_t versionMadeBy;
  Bytes data;
};
std::map<std::string, EntryFound> EntriesByName(const Bytes& archive) {
  std::map<size_t, size_t> dataAt;
  for (const ReadRecord& local : LocalRecords(archive)) dataAt[local.offset] = local.dataOffset;
  std::map<std::string, EntryFound> entries;
  for (const ReadRecord& central : CentralRecords(archive)) {
    const auto begin = archive.begin() + static_cast<ptrdiff_t>(dataAt[central.fields.localHeaderOffset]);
    entries[central.fields.name] = {central.fields, central.versionMadeBy,
                                    Bytes(begin, begin + static_cast<ptrdiff_t>(central.fields.compressedSize))};
  }
  return entries;
}

// A take saved at the quality it was coded at during the take: the save converts nothing, and
// the recording holds, entry for entry, what the save writes from the same frames as bitmaps
// (the form an older version kept): the same names, data, method, flags and attributes. Only
// the times differ, each entry's being when its JPEG was coded. A take at 30 frames a second
// says so in one entry more, after the frames, either way; one at 10 has the frames alone.
TEST(SaveDialog, ARecordingCodedDuringTheTakeIsTheOneTheSaveWouldConvert) {
  for (const int rate : {kDefaultFrameRate, 30}) {
    SCOPED_TRACE(rate);
    const SettingsForTest atRate([rate](Settings& settings) { settings.frameRate = rate; });
    TempFolder scratch;
    const std::string ahead = scratch / "ahead.vmrc";
    const std::string converted = scratch / "converted.vmrc";
    std::vector<Bytes> frames;
    std::vector<std::string> steps;
    RunRecorder([&] {
      Click(RecorderWindow::按钮1);
      CaptureTicks(3);
      Click(RecorderWindow::按钮2);
      for (int n = 1; n <= FrameCount; ++n) frames.push_back(TakeFrameFile(n));
      const FileStepLog log;
      SaveAs(ahead);
      steps = log.steps();
    });
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(std::count_if(steps.begin(), steps.end(), [](const std::string& step) { return step.ends_with(".jpg"); }), 0)
        << "no JPEG was coded at the save";
    RunRecorder([&] {
      MakeFolder(WorkingFolder());
      for (size_t i = 0; i < frames.size(); ++i) WriteBytes(FrameFile(static_cast<int>(i) + 1, ".bmp"), frames[i]);
      if (rate != kDefaultFrameRate) WriteText(WorkingFolder() + "\\" + kFrameRateEntryName, FrameRateEntryText(rate));
      FrameCount = static_cast<int>(frames.size());
      RaiseEvent(RecorderWindow::kId, RecorderWindow::菜单_停止, 0);
      SaveAs(converted);
    });
    ASSERT_EQ(Seen().questions, std::vector<std::string>{SaveSucceededText(converted)});
    const auto fromAhead = EntriesByName(ReadBytes(ahead));
    const auto fromFrames = EntriesByName(ReadBytes(converted));
    const size_t entries = rate == kDefaultFrameRate ? 4 : 5;
    ASSERT_EQ(fromAhead.size(), entries);
    ASSERT_EQ(fromFrames.size(), entries);
    for (const auto& [name, entry] : fromFrames) {
      ASSERT_TRUE(fromAhead.contains(name)) << name;
      const EntryFound& other = fromAhead.at(name);
      EXPECT_EQ(other.data, entry.data) << name;
      EXPECT_EQ(other.record.crc, entry.record.crc) << name;
      EXPECT_EQ(other.record.uncompressedSize, entry.record.uncompressedSize) << name;
      EXPECT_EQ(other.record.method, entry.record.method) << name;
      EXPECT_EQ(other.record.flags, entry.record.flags) << name;
      EXPECT_EQ(other.record.externalAttributes, entry.record.externalAttributes) << name;
      EXPECT_EQ(other.versionMadeBy, entry.versionMadeBy) << name;
    }
    if (rate == kDefaultFrameRate) continue;
    EXPECT_EQ(Unpack(nullptr, ahead, scratch / "unpacked"), kZipDone);
    EXPECT_EQ(RecordingFrameRate(scratch / "unpacked"), rate);
  }
}

// The recording holds the take's frames and nothing else the folder may hold.
TEST(SaveDialog, OnlyTheTakesFramesArePacked) {
  TempFolder scratch;
  const std::string target = scratch / "leftover.vmrc";
  RunRecorder([&] {
    PrepareTake(2);
    WriteBytes(FrameFile(5, ".bmp"), TwoColourFrame(4, 4, kRed, kBlue));
    SaveAs(target);
  });
  EXPECT_EQ(EntriesOf(target, scratch), (std::vector<std::string>{"1.jpg", "2.jpg"}));
}

// Where the save converts the frames to before packing them.
std::string ConvertedFrame(int n) { return WorkingFolder() + "\\jpeg\\" + std::to_string(n) + ".jpg"; }

// A folder in the way of 2.jpg makes the conversion of frame 2 fail; the take stays as captured.
TEST(SaveDialog, AFailedConversionStopsAtThatFrameAndKeepsTheTake) {
  TempFolder scratch;
  const std::string target = scratch / "broken.vmrc";
  RunRecorder([&] {
    PrepareTake(3);
    MakeFolder(WorkingFolder() + "\\jpeg");
    MakeFolder(ConvertedFrame(2));
    SaveAs(target);
  });
  ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + target + "”保存出错!"});
  EXPECT_FALSE(FileExists(target));
  EXPECT_EQ(ListFolder(WorkingFolder()), (std::vector<std::string>{"1.bmp", "2.bmp", "3.bmp"}));
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(ReadBytes(FrameFile(n, ".bmp")), TwoColourFrame(1024, 768, n == 2 ? kGreen : kRed, kBlue)) << n;
  }
}

// While the save pumps messages the user presses the close box, Esc and 保存按钮 again.
void CALLBACK InterruptTheSave(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!SaveIsRunning()) return;
  KillTimer(nullptr, timer);
  const HWND dialog = LiveHwnd({SaveDialog::kId, SaveDialog::kId});
  WriteWindowPicture(dialog, PicturePath("save_dialog_while_saving.png"));
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  PostMessageW(LiveHwnd({SaveDialog::kId, SaveDialog::保存按钮}), WM_KEYDOWN, VK_ESCAPE, 0);
  PostClick({SaveDialog::kId, SaveDialog::保存按钮});
}

TEST(SaveDialog, StaysOpenAndSavesOnceWhileASaveRuns) {
  TempFolder scratch;
  const std::string target = scratch / "once.vmrc";
  RunRecorder([&] {
    PrepareTake(8);
    SaveAs(target, [] { SetTimer(nullptr, 0, 30, InterruptTheSave); });
  });
  ASSERT_EQ(FileDialogsAsked().size(), 1u) << "a second click started no second save";
  ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + target + "”保存成功!"});
  EXPECT_EQ(EntriesOf(target, scratch).size(), 8u);
}

// Every frame of a saved three-frame take, at 819x614 and quality 80, shows what PrepareTake
// captured: red beside blue, green beside blue for frame 2. A white frame fails here.
void ExpectTheCapturedFrames(const std::string& recording, const TempFolder& scratch) {
  ASSERT_EQ(EntriesOf(recording, scratch), (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg"}));
  for (int n = 1; n <= 3; ++n) {
    const Bytes jpeg = ReadBytes(scratch / "unpacked" + "\\" + JpegFrameName(n));
    const Picture frame = DecodedPicture(jpeg);
    ASSERT_EQ(frame.width, 819) << "frame " << n;
    ASSERT_EQ(frame.height, 614) << "frame " << n;
    EXPECT_EQ(FirstQuantisationValue(jpeg), 6) << "frame " << n;
    EXPECT_TRUE(PixelNear(frame.At(200, 300), n == 2 ? kGreen : kRed)) << "frame " << n;
    EXPECT_TRUE(PixelNear(frame.At(600, 300), kBlue)) << "frame " << n;
  }
}

// A folder where the recording should go: the system refuses to create the file, so packing
// fails after every frame has been converted to a JPEG.
TEST(SaveDialog, SavingAgainAfterAFailedPackSavesTheFramesCaptured) {
  TempFolder scratch;
  const std::string refused = scratch / "refused.vmrc";
  MakeFolder(refused);
  const std::string target = scratch / "again.vmrc";
  std::vector<std::string> afterFailure;
  RunRecorder([&] {
    PrepareTake(3);
    SaveAs(refused);
    afterFailure = ListFolder(WorkingFolder());
    RaiseEvent(RecorderWindow::kId, RecorderWindow::菜单_停止, 0);
    SaveAs(target);
  });
  EXPECT_EQ(afterFailure, (std::vector<std::string>{"1.bmp", "2.bmp", "3.bmp"}));
  ASSERT_EQ(Seen().questions, (std::vector<std::string>{SaveFailedText(refused), SaveSucceededText(target)}));
  ExpectTheCapturedFrames(target, scratch);
}

// The conversion fails at frame 2; the take, kept as captured, is recognised by the question at
// the next 录制 and saved from it.
TEST(SaveDialog, SavingAgainFromTheStartQuestionAfterAFailedConversion) {
  TempFolder scratch;
  const std::string broken = scratch / "broken.vmrc";
  const std::string target = scratch / "again.vmrc";
  std::vector<std::string> afterSave;
  int framesOfTheNewTake = 0;
  RunRecorder([&] {
    PrepareTake(3);
    MakeFolder(WorkingFolder() + "\\jpeg");
    MakeFolder(ConvertedFrame(2));
    SaveAs(broken);
    AnswerQuestionsWith(IDYES);
    AnswerFileDialogsWith(target);
    WhenLoaded(SaveDialog::kId, [] { PostClick({SaveDialog::kId, SaveDialog::保存按钮}); });
    Click(RecorderWindow::按钮1);
    framesOfTheNewTake = FrameCount;
    Click(RecorderWindow::按钮2);
    afterSave = ListFolder(WorkingFolder());
  });
  ASSERT_EQ(Seen().questions, (std::vector<std::string>{SaveFailedText(broken), "上次录制数据还未保存,现在是否要保存？",
                                                         SaveSucceededText(target)}));
  ExpectTheCapturedFrames(target, scratch);
  EXPECT_EQ(framesOfTheNewTake, 1) << "once the earlier take was saved, the new one started";
  EXPECT_EQ(afterSave, (std::vector<std::string>{"1.vlf", "coded"})) << "the new take alone is in the folder";
}

// A power cut at any moment of a save leaves every frame on the disk: the take's frames stay
// until the recording is flushed, and only then does the working folder go.
TEST(LastingSave, NothingGoesBeforeTheRecordingIsOnTheDisk) {
  TempFolder scratch;
  const std::string target = scratch / "落盘.vmrc";
  std::vector<std::string> steps;
  int folderRemoved = -1, recordingFlushed = -1;
  RunRecorder([&] {
    PrepareTake(5);
    FileStepLog log;
    SaveAs(target);
    steps = log.steps();
    folderRemoved = log.IndexOf("removed folder greentemp");
    recordingFlushed = log.IndexOf("flushed 落盘.vmrc");
  });
  ASSERT_EQ(Seen().questions, std::vector<std::string>{SaveSucceededText(target)});
  for (const std::string& step : steps) EXPECT_FALSE(step.starts_with("deleted")) << step;
  ASSERT_GE(recordingFlushed, 0);
  EXPECT_GT(folderRemoved, recordingFlushed);
  EXPECT_EQ(EntriesOf(target, scratch), (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"}));
}

TEST(SaveDialog, AfterAFailedSaveNoGivesTheTakeUpForAFreshOne) {
  TempFolder scratch;
  const std::string refused = scratch / "refused.vmrc";
  MakeFolder(refused);
  RunRecorder([&] {
    PrepareTake(3);
    SaveAs(refused);
    AnswerQuestionsWith(IDNO);
    Click(RecorderWindow::按钮1);
    Click(RecorderWindow::按钮2);
    EXPECT_EQ(ListFolder(WorkingFolder()), (std::vector<std::string>{"1.vlf", "coded"}));
  });
  EXPECT_EQ(Seen().questions.size(), 2u) << "the take whose save failed was asked about";
}

// The free space each volume reports, by the folder asked about.
uint64_t freeOnTarget = 0;
int targetAsks = 0;
std::optional<uint64_t> TargetVolumeProbe(const std::string& folder) {
  if (folder.find("velmo-target") == std::string::npos) return uint64_t{1} << 40;
  ++targetAsks;
  return freeOnTarget;
}
std::optional<uint64_t> RoomOnlyAtFirstProbe(const std::string& folder) {
  const std::optional<uint64_t> free = TargetVolumeProbe(folder);
  return folder.find("velmo-target") != std::string::npos && targetAsks > 1 ? uint64_t{4096} : free;
}

TEST(SaveDialog, ATargetVolumeTooSmallIsToldBeforeConvertingAndNothingChanges) {
  TempFolder scratch;
  const std::string folder = scratch / "velmo-target";
  MakeFolder(folder);
  const std::string target = folder + "\\take.vmrc";
  freeOnTarget = 1000;
  targetAsks = 0;
  const FreeSpaceProbe system = SetFreeSpaceProbe(TargetVolumeProbe);
  RunRecorder([&] {
    PrepareTake(3);
    SaveAs(target);
    EXPECT_TRUE(SaveCommandEnabled()) << "nothing was tried, so the take can be saved again";
    EXPECT_EQ(ReadBytes(FrameFile(3, ".bmp")).size(), 2359350u) << "frames stay as captured";
  });
  SetFreeSpaceProbe(system);
  ASSERT_EQ(Seen().questions.size(), 1u);
  EXPECT_EQ(Seen().questions[0], "磁盘空间不足，无法保存文件“" + target + "”（约需1 MB，可用1 MB）。录像仍然保留，腾出空间后可以再次保存。");
  EXPECT_FALSE(FileExists(target));
}

// The guess before converting passes; the exact size after converting does not fit, so the
// recording is never started, and the frames save later as they were captured.
TEST(SaveDialog, ATargetThatFillsUpDuringTheConversionIsToldBeforePacking) {
  TempFolder scratch;
  const std::string folder = scratch / "velmo-target";
  MakeFolder(folder);
  const std::string target = folder + "\\take.vmrc";
  freeOnTarget = uint64_t{1} << 30;
  targetAsks = 0;
  const FreeSpaceProbe system = SetFreeSpaceProbe(RoomOnlyAtFirstProbe);
  std::vector<std::string> afterRefusal;
  RunRecorder([&] {
    PrepareTake(3);
    SaveAs(target);
    afterRefusal = ListFolder(WorkingFolder());
    EXPECT_TRUE(SaveCommandEnabled());
    SetFreeSpaceProbe(system);
    SaveAs(target);
  });
  SetFreeSpaceProbe(system);
  EXPECT_EQ(afterRefusal, (std::vector<std::string>{"1.bmp", "2.bmp", "3.bmp"}));
  ASSERT_EQ(Seen().questions.size(), 2u);
  EXPECT_TRUE(Seen().questions[0].starts_with("磁盘空间不足，无法保存文件“" + target + "”")) << Seen().questions[0];
  EXPECT_EQ(Seen().questions[1], SaveSucceededText(target));
  ExpectTheCapturedFrames(target, scratch);
}

}  // namespace
