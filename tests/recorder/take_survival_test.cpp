// A take survives what ends it early: a take left behind by a crash is offered at the next
// start, without the frame the crash cut short; a disk running full or a frame that cannot be
// written stops the take as 停止 would and says so; a take never starts on a disk without room.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/recorder/disk_space.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/take_messages.h"
#include "app/recorder/unsaved_take.h"
#include "components/imaging/bmp_file.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"
#include "tests/controls/program_run.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {
using namespace RecorderWindow;

constexpr Pixel kRed{230, 20, 20};
constexpr Pixel kBlue{20, 40, 220};
// A frame of the 1024x768 test screen.
constexpr uint64_t kFrameBytes = 2359350;

std::string Status() { return ReadText(kStatus, label_property::kCaption); }
std::string Frame(int n, const char* suffix = ".bmp") { return WorkingFolder() + "\\" + std::to_string(n) + suffix; }
bool Enabled(UnitId button) { return IsWindowEnabled(RecorderHwnd(button)) != 0; }

constexpr FrameForm L = FrameForm::Lean, B = FrameForm::Bitmap, J = FrameForm::Jpeg;

TakeFound TakeOf(std::vector<FrameFile> files, std::vector<FrameFile> broken = {}) {
  return TakeFromFrameFiles(std::move(files), [&](const FrameFile& file) {
    for (const FrameFile& bad : broken) {
      if (bad.number == file.number && bad.form == file.form) return false;
    }
    return true;
  });
}

TEST(UnsavedTake, TheHighestWholeFrameEndsTheTake) {
  EXPECT_EQ(TakeOf({}).frameCount, 0);
  EXPECT_EQ(TakeOf({{1, B}, {2, B}, {3, B}}).frameCount, 3);
  EXPECT_EQ(TakeOf({{1, J}, {2, J}, {3, B}, {4, B}}).frameCount, 4) << "a save that failed half-way";
  EXPECT_EQ(TakeOf({{1, B}, {5, B}}).frameCount, 5) << "a frame whose write failed is a gap, not an end";

  const TakeFound cut = TakeOf({{1, B}, {2, B}, {3, B}}, {{3, B}});
  EXPECT_EQ(cut.frameCount, 2);
  ASSERT_EQ(cut.cutShort.size(), 1u);
  EXPECT_EQ(cut.cutShort[0].number, 3);

  const TakeFound twoCut = TakeOf({{1, B}, {2, B}, {3, B}}, {{3, B}, {2, B}});
  EXPECT_EQ(twoCut.frameCount, 1);
  EXPECT_EQ(twoCut.cutShort.size(), 2u);

  EXPECT_EQ(TakeOf({{1, B}, {2, B}}, {{1, B}}).frameCount, 2) << "only the end is cut short";
  EXPECT_EQ(TakeOf({{1, B}, {2, B}, {2, J}}, {{2, J}}).frameCount, 2)
      << "a save cut off while writing 2.jpg still has 2.bmp";
  EXPECT_EQ(TakeOf({{1, B}}, {{1, B}}).frameCount, 0);
  EXPECT_EQ(TakeOf({{1, L}, {2, L}, {3, L}}, {{3, L}}).frameCount, 2) << "a lean frame cut short";
}

TEST(UnsavedTake, FrameNamesAreNumbersWithoutLeadingZeros) {
  struct Case {
    const wchar_t* name;
    int number;
    FrameForm form;
  };
  for (const Case& c : {Case{L"1.bmp", 1, B}, Case{L"7.vlf", 7, L}, Case{L"8.VLF", 8, L}, Case{L"12.jpg", 12, J}, Case{L"3.JPG", 3, J},
                        Case{L"999999999.bmp", 999999999, B}, Case{L"0.bmp", 0, B}, Case{L"01.bmp", 0, B},
                        Case{L".bmp", 0, B}, Case{L"1.png", 0, B}, Case{L"1a.bmp", 0, B},
                        Case{L"-1.bmp", 0, B}, Case{L"1234567890.bmp", 0, B}, Case{L"1.bmp.tmp", 0, B}}) {
    const FrameFile file = ParseFrameName(c.name);
    EXPECT_EQ(file.number, c.number);
    if (c.number) {
      EXPECT_EQ(file.form, c.form);
    }
  }
}

TEST(UnsavedTake, WholeFramesAreToldFromFramesCutShort) {
  const Bytes bmp = TwoColourFrame(4, 4, kRed, kBlue);
  EXPECT_TRUE(IsWholeBitmapFile(bmp.data(), bmp.size(), bmp.size()));
  EXPECT_FALSE(IsWholeBitmapFile(bmp.data(), bmp.size(), bmp.size() - 1));
  EXPECT_FALSE(IsWholeBitmapFile(bmp.data(), 10, 10));
  const uint8_t soi[] = {0xFF, 0xD8}, eoi[] = {0xFF, 0xD9}, other[] = {0x12, 0x00};
  EXPECT_TRUE(IsWholeJpegFile(soi, 2, eoi, 2));
  EXPECT_FALSE(IsWholeJpegFile(soi, 2, other, 2));
  EXPECT_FALSE(IsWholeJpegFile(other, 2, eoi, 2));
  EXPECT_FALSE(IsWholeJpegFile(soi, 0, eoi, 0));
}

TEST(DiskSpace, TheMarginAndTheMegabytes) {
  EXPECT_EQ(kFreeSpaceMargin, 256u << 20);
  EXPECT_TRUE(LeavesMargin(kFreeSpaceMargin + 100, 100, kFreeSpaceMargin));
  EXPECT_FALSE(LeavesMargin(kFreeSpaceMargin + 99, 100, kFreeSpaceMargin));
  EXPECT_FALSE(LeavesMargin(100, 0, kFreeSpaceMargin));
  EXPECT_TRUE(LeavesMargin(100, 100, 0));
  EXPECT_EQ(MegabytesText(0), "0");
  EXPECT_EQ(MegabytesText(1), "1");
  EXPECT_EQ(MegabytesText(uint64_t{3} << 20), "3");
  EXPECT_EQ(MegabytesText((uint64_t{3} << 20) + 1), "4");
  EXPECT_EQ(ContainingFolder("D:\\out\\take.vmrc"), "D:\\out");
  EXPECT_EQ(ContainingFolder("take.vmrc"), "");
}

// The take a crash leaves: twelve whole frames and a thirteenth cut off half-way.
void LeaveACrashedTake() {
  RemoveTree(WorkingFolder());
  MakeFolder(WorkingFolder());
  const Bytes frame = TwoColourFrame(1024, 768, kRed, kBlue);
  for (int n = 1; n <= 12; ++n) WriteBytes(Frame(n), frame);
  WriteBytes(Frame(13), Bytes(frame.begin(), frame.begin() + frame.size() / 2));
  KeepWorkingFolderForNextRun();
}

TEST(UnsavedTake, TheFolderIsReadAsTheStartFindsIt) {
  LeaveACrashedTake();
  WriteBytes(Frame(1, ".jpg"), {0xFF, 0xD8, 0xFF, 0xD9});
  WriteText(WorkingFolder() + "\\notes.txt", "not a frame");
  const TakeFound take = FindUnsavedTake(WorkingFolder());
  EXPECT_EQ(take.frameCount, 12);
  ASSERT_EQ(take.cutShort.size(), 1u);
  RemoveCutShortFrames(WorkingFolder(), take);
  EXPECT_FALSE(FileExists(Frame(13)));
  EXPECT_TRUE(FileExists(Frame(12)));
  EXPECT_TRUE(AnyFrameFileExists(WorkingFolder()));
  RemoveTree(WorkingFolder());
  EXPECT_FALSE(AnyFrameFileExists(WorkingFolder()));
  EXPECT_EQ(FindUnsavedTake(WorkingFolder()).frameCount, 0);
}

// A take recorded at 30 a second is told in its own seconds: 12 frames are 0.4 s, not 1.2.
TEST(UnsavedTake, TheQuestionCountsTheSecondsAtTheTakesRate) {
  LeaveACrashedTake();
  WriteText(WorkingFolder() + "\\framerate.txt", "30\r\n");
  AnswerQuestionsWith(IDYES);
  RunRecorder([] { EXPECT_EQ(Status(), "停止：0.4秒"); });
  ASSERT_EQ(Seen().questions.size(), 1u);
  EXPECT_EQ(Seen().questions[0], "发现上次未保存的录像（共12帧，约0.4秒），是否保留以便保存?");
}

TEST(UnsavedTake, YesAtStartKeepsTheTakeReadyToSave) {
  LeaveACrashedTake();
  AnswerQuestionsWith(IDYES);
  RunRecorder([] {
    EXPECT_EQ(FrameCount, 12);
    EXPECT_EQ(Status(), "停止：1.2秒");
    EXPECT_EQ(ReadInt(kStatus, label_property::kTextColour), 0x0000FF);
    EXPECT_TRUE(Enabled(按钮1));
    EXPECT_FALSE(Enabled(按钮2));
    EXPECT_TRUE(Enabled(按钮3)) << "the kept take can be saved at once";
  });
  ASSERT_EQ(Seen().questions.size(), 1u);
  EXPECT_EQ(Seen().questions[0], "发现上次未保存的录像（共12帧，约1.2秒），是否保留以便保存?");
  EXPECT_EQ(Seen().captions[0], "提示信息");
  EXPECT_EQ(Seen().styles[0] & (MB_TYPEMASK | MB_ICONMASK), unsigned{MB_YESNO | MB_ICONQUESTION});
  EXPECT_TRUE(FileExists(Frame(12)));
  EXPECT_FALSE(FileExists(Frame(13))) << "the frame the crash cut short is not saved as garbage";
}

TEST(UnsavedTake, NoAtStartRemovesTheTake) {
  LeaveACrashedTake();
  RunRecorder([] {
    EXPECT_EQ(FrameCount, 0);
    EXPECT_EQ(Status(), "停止：0秒");
    EXPECT_FALSE(Enabled(按钮3));
  });
  EXPECT_EQ(Seen().questions.size(), 1u);
  EXPECT_FALSE(FolderExists(WorkingFolder()));
}

class StartUpQuestion : public testing::TestWithParam<QuestionEnd> {};

// The system's own box, ended each way: only 否 removes the take left behind. Closed without an
// answer, the question keeps it as 是 does, ready to save, for the user to decide later.
TEST_P(StartUpQuestion, OnlyNoRemovesTheTakeLeftBehind) {
  const QuestionEnd end = GetParam();
  LeaveACrashedTake();
  EndQuestionsBy(end);
  int frames = -1;
  bool saveOffered = false;
  RunRecorder([&] {
    frames = FrameCount;
    saveOffered = Enabled(按钮3);
  });
  EXPECT_EQ(Seen().questions.size(), 1u);
  const bool kept = end != QuestionEnd::No;
  EXPECT_EQ(frames, kept ? 12 : 0);
  EXPECT_EQ(saveOffered, kept);
  EXPECT_EQ(FileExists(Frame(12)), kept);
  if (QuestionEndsRefused()) std::printf("the system refused this way of closing the question\n");
}

INSTANTIATE_TEST_SUITE_P(EveryWay, StartUpQuestion,
                         testing::Values(QuestionEnd::Yes, QuestionEnd::No, QuestionEnd::Escape, QuestionEnd::CloseBox,
                                         QuestionEnd::AltF4),
                         QuestionEndName);

// The volume of the working folder has room for the margin and two and a half bitmap frames
// more, each frame of the take taking as much.
std::optional<uint64_t> TwoAndAHalfFramesOfRoom(const std::string&) {
  const uint64_t budget = kFreeSpaceMargin + kFrameBytes * 5 / 2;
  const uint64_t used = kFrameBytes * static_cast<uint64_t>(FrameCount);
  return used < budget ? budget - used : 0;
}

std::optional<uint64_t> NoRoom(const std::string&) { return kFreeSpaceMargin - 1; }

TEST(DiskSpace, AFillingDiskStopsTheTakeAsStopDoesAndSaysSo) {
  const FreeSpaceProbe system = SetFreeSpaceProbe(TwoAndAHalfFramesOfRoom);
  RunRecorder([] {
    Click(按钮1);
    CaptureTicks(2);
    EXPECT_EQ(FrameCount, 2);
    EXPECT_EQ(Status(), "停止：0.2秒");
    EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), 0);
    EXPECT_TRUE(Enabled(按钮1));
    EXPECT_FALSE(Enabled(按钮2));
    EXPECT_TRUE(Enabled(按钮3));
  });
  SetFreeSpaceProbe(system);
  ASSERT_EQ(Seen().questions.size(), 1u);
  EXPECT_EQ(Seen().questions[0], "磁盘空间不足，录制已停止。已录制的画面（共2帧，约0.2秒）可以保存。");
  EXPECT_EQ(Seen().captions[0], "提示信息");
  EXPECT_EQ(ListFolder(WorkingFolder()), (std::vector<std::string>{"1.vlf", "2.vlf", "coded"})) << "no partial frame";
}

TEST(DiskSpace, NoTakeStartsWithoutRoom) {
  const FreeSpaceProbe system = SetFreeSpaceProbe(NoRoom);
  RunRecorder([] {
    Click(按钮1);
    EXPECT_EQ(FrameCount, 0);
    EXPECT_TRUE(Enabled(按钮1));
    EXPECT_FALSE(Enabled(按钮2));
    EXPECT_FALSE(Enabled(按钮3));
    EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), 0);
  });
  SetFreeSpaceProbe(system);
  EXPECT_EQ(Seen().questions, std::vector<std::string>{"磁盘空间不足，无法开始录制。请腾出磁盘空间后再试。"});
  EXPECT_FALSE(FolderExists(WorkingFolder()));
}

// A folder named 3.vlf stands where frame 3 is to be written; the writer's failure stops the
// take at the tick after it.
TEST(DiskSpace, AFrameThatCannotBeWrittenStopsTheTake) {
  RunRecorder([] {
    Click(按钮1);
    MakeFolder(Frame(3, ".vlf"));
    CaptureTicks(2);
    ASSERT_TRUE(WaitUntil([] {
      CaptureTicks(1);
      return !TakeIsRunning();
    }));
    EXPECT_EQ(FrameCount, 2);
    EXPECT_EQ(Status(), "停止：0.2秒");
    EXPECT_TRUE(Enabled(按钮3));
  });
  EXPECT_EQ(Seen().questions, std::vector<std::string>{"无法写入录像帧，录制已停止。已录制的画面（共2帧，约0.2秒）可以保存。"});
  EXPECT_TRUE(FileExists(Frame(2, ".vlf")));
}

}  // namespace
