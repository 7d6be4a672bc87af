// Saving a take as a video as a user does it: 按钮3 opens SaveDialog, 组合框 is set to
// "mp4格式" or "gif格式" with the keyboard, 保存按钮 asks for the file with that format's filter,
// and the take's frames are shrunk and encoded with the recording file's progress texts. A take
// whose screen could not be read for a while saves in every format as well.
// With VELMO_VIDEO_OUT naming a folder, each saved file and the frames it came from (shrunk by
// the same canvas, as ref-N.bmp) are left there for video_save_peers.sh to hold against ffprobe
// and ffmpeg.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/take_clock.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/screen_snapshot.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "controls/event_delivery.h"
#include "controls/runtime_state.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/file_step_log.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/video/container_reading.h"

namespace {

constexpr UnitAddress kFormatChoice{SaveDialog::kId, SaveDialog::组合框};
constexpr UnitAddress kCanvas{SaveDialog::kId, SaveDialog::隐藏画板};
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

std::string FrameFile(int n) { return WorkingFolder() + "\\" + std::to_string(n) + ".bmp"; }

void PrepareMovingTake(int frames) {
  MakeFolder(WorkingFolder());
  for (int i = 1; i <= frames; ++i) WriteBytes(FrameFile(i), MovingSquareFrame(kScreenWidth, kScreenHeight, i));
  FrameCount = frames;
  RaiseEvent(RecorderWindow::kId, RecorderWindow::菜单_停止, 0);
}

// The Down key moves the drop-down list's choice one item on, as a user's key press does.
void ChooseFormat(int item) {
  const HWND combo = LiveHwnd(kFormatChoice);
  for (int i = 0; i < item; ++i) {
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(combo, WM_KEYUP, VK_DOWN, 0);
  }
}

void SaveAs(const std::string& target, int formatItem) {
  AnswerFileDialogsWith(target);
  WhenLoaded(SaveDialog::kId, [formatItem] {
    ChooseFormat(formatItem);
    PostClick({SaveDialog::kId, SaveDialog::保存按钮});
  });
  Click(RecorderWindow::按钮3);
}

// Frames 1..n shrunk by SaveDialog's canvas as the save shrinks them, written as ref-N.bmp.
void WriteShrunkFrames(int frames, const std::string& folder) {
  WhenLoaded(SaveDialog::kId, [frames, folder] {
    for (int i = 1; i <= frames; ++i) {
      WriteProperty(kCanvas, draw_panel_property::kBackPicture, MovingSquareFrame(kScreenWidth, kScreenHeight, i));
      ByteString shrunk;
      TakePanelPicture(kCanvas, shrunk);
      WriteBytes(folder + "\\ref-" + std::to_string(i) + ".bmp", shrunk);
    }
    PostClick({SaveDialog::kId, SaveDialog::取消按钮});
  });
  LoadWindow(SaveDialog::kId, 0, true);
}

// The folder VELMO_VIDEO_OUT names, or none.
std::string PeerFolder() {
  const wchar_t* folder = _wgetenv(L"VELMO_VIDEO_OUT");
  return folder ? Narrow(folder) : std::string();
}

bool SaveCommandEnabled() { return IsWindowEnabled(RecorderHwnd(RecorderWindow::按钮3)) != 0; }

struct VideoSaveCase {
  const char* name;
  int item;
  const wchar_t* filter;
  const wchar_t* extension;
  std::vector<std::string> progress;
};

class VideoSave : public testing::TestWithParam<VideoSaveCase> {};

TEST(VideoSaveChoice, TheFormatChoiceListsTheRecordingFileFirst) {
  std::string items;
  int current = -2;
  RunRecorder([&] {
    WhenLoaded(SaveDialog::kId, [&] {
      items = ReadText(kFormatChoice, combo_box_property::kItems);
      current = ReadInt(kFormatChoice, combo_box_property::kCurrentItem);
      PostClick({SaveDialog::kId, SaveDialog::取消按钮});
    });
    LoadWindow(SaveDialog::kId, 0, true);
  });
  EXPECT_EQ(items, "vmrc格式\r\nmp4格式\r\ngif格式");
  EXPECT_EQ(current, 0);
}

TEST_P(VideoSave, AMovingTakeAtEightyPercent) {
  const VideoSaveCase& format = GetParam();
  TempFolder scratch;
  const std::string target = scratch / (std::string("移动.") + format.name);
  constexpr int kFrames = 3;
  std::vector<std::string> progress;
  RunRecorder([&] {
    PrepareMovingTake(kFrames);
    TextTrail trail("正在");
    SaveAs(target, format.item);
    progress = trail.texts();
    EXPECT_FALSE(IsWindowLoaded(SaveDialog::kId));
    EXPECT_FALSE(SaveCommandEnabled()) << "saving the same take again needs a new stop";
  });
  EXPECT_EQ(progress, format.progress);
  ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + target + "”保存成功!"});
  EXPECT_EQ(Seen().styles[0] & (MB_TYPEMASK | MB_ICONMASK), unsigned{MB_OK | MB_ICONINFORMATION});
  ASSERT_EQ(FileDialogsAsked().size(), 1u);
  EXPECT_EQ(FileDialogsAsked()[0].filter, format.filter);
  EXPECT_EQ(FileDialogsAsked()[0].defaultExtension, format.extension);
  EXPECT_FALSE(FolderExists(WorkingFolder())) << "the take is consumed as by a recording file's save";
  EXPECT_EQ(ListFolder(scratch.path()), std::vector<std::string>{std::string("移动.") + format.name});

  const Bytes file = ReadBytes(target);
  if (format.item == 1) {
    EXPECT_EQ(Mp4TopBoxes(file).at(1), "moov");
  } else {
    const GifFile gif = ReadGif(file);
    EXPECT_TRUE(gif.valid);
    EXPECT_EQ(gif.width, 819);
    EXPECT_EQ(gif.height, 614);
    EXPECT_EQ(gif.images.size(), size_t{kFrames});
  }
}

const VideoSaveCase kCases[] = {
    {"mp4", 1, L"MP4视频(*.mp4)|*.mp4|", L"mp4",
     {"正在处理数据", "正在处理数据33%", "正在处理数据67%", "正在处理数据100%"}},
    {"gif", 2, L"GIF动画(*.gif)|*.gif|", L"gif",
     {"正在处理数据", "正在处理数据33%", "正在处理数据67%", "正在处理数据100%", "正在保存(33)%", "正在保存(66)%",
      "正在保存(100)%"}},
};
INSTANTIATE_TEST_SUITE_P(BothFormats, VideoSave, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<VideoSaveCase>& info) { return std::string(info.param.name); });

// The video is written under a name of its own, flushed, and renamed onto the target in a
// written-through step; only then does the take go. No frame of the take goes before.
TEST_P(VideoSave, TheTakeGoesOnlyOnceTheVideoIsOnTheDiskUnderItsName) {
  const VideoSaveCase& format = GetParam();
  TempFolder scratch;
  const std::string name = std::string("落盘.") + format.name;
  std::vector<std::string> steps;
  RunRecorder([&] {
    PrepareMovingTake(3);
    FileStepLog log;
    SaveAs(scratch / name, format.item);
    steps = log.steps();
  });
  ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + (scratch / name) + "”保存成功!"});
  const std::string part = name + "." + std::to_string(GetCurrentProcessId()) + ".part";
  const std::vector<std::string> ofTheTake = {"flushed " + part, "renamed " + name, "removed folder greentemp"};
  std::vector<std::string> seen;
  std::copy_if(steps.begin(), steps.end(), std::back_inserter(seen), [&](const std::string& step) {
    return step.find(name) != std::string::npos || step.find("greentemp") != std::string::npos ||
           step.ends_with(".bmp");
  });
  EXPECT_EQ(seen, ofTheTake);
}

// A frame deleted from the working folder: the save fails as a recording file's does, and
// neither the target nor a part of it is left. The frames stay as captured, and the folder
// where a GIF keeps its shrunk frames is gone.
TEST_P(VideoSave, AMissingFrameFailsTheSaveAndLeavesNothing) {
  const VideoSaveCase& format = GetParam();
  TempFolder scratch;
  const std::string target = scratch / (std::string("缺帧.") + format.name);
  RunRecorder([&] {
    PrepareMovingTake(3);
    DeleteFileW(Widen(FrameFile(2)).c_str());
    SaveAs(target, format.item);
    EXPECT_FALSE(SaveCommandEnabled());
    EXPECT_EQ(ListFolder(WorkingFolder()), (std::vector<std::string>{"1.bmp", "3.bmp"}));
    EXPECT_EQ(ReadBytes(FrameFile(3)), MovingSquareFrame(kScreenWidth, kScreenHeight, 3));
    EXPECT_EQ(ReadBytes(FrameFile(1)), MovingSquareFrame(kScreenWidth, kScreenHeight, 1));
    EXPECT_FALSE(FolderExists(SpecialFolderPath(kTemporaryFolder) + "velmo-shrunk-" + std::to_string(GetCurrentProcessId())));
  });
  ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + target + "”保存出错!"});
  EXPECT_EQ(Seen().styles[0] & (MB_TYPEMASK | MB_ICONMASK), unsigned{MB_OK | MB_ICONEXCLAMATION});
  EXPECT_TRUE(ListFolder(scratch.path()).empty());
}

// The take the peers check: 12 frames, and the frames the encoder was given beside the file.
TEST_P(VideoSave, ATakeForThePeers) {
  const std::string out = PeerFolder();
  if (out.empty()) GTEST_SKIP() << "VELMO_VIDEO_OUT is not set";
  const VideoSaveCase& format = GetParam();
  constexpr int kFrames = 12;
  RunRecorder([&] {
    PrepareMovingTake(kFrames);
    SaveAs(out + "\\take." + format.name, format.item);
    WriteShrunkFrames(kFrames, out);
  });
  ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + out + "\\take." + format.name + "”保存成功!"});
}

// The screen cannot be read for the next `unreadableTicks` snapshots, as while the workstation
// is locked or an elevation prompt holds the secure desktop.
int unreadableTicks = 0;
bool ScreenLockedForAFewTicks() { return unreadableTicks > 0 && unreadableTicks-- > 0; }

std::vector<std::string> FrameNames(const char* suffix, int frames) {
  std::vector<std::string> names;
  for (int n = 1; n <= frames; ++n) names.push_back(std::to_string(n) + suffix);
  return names;
}

// Ticks that find the screen unreadable in the middle of a take write no frame and count none;
// the take goes on, its frames numbered without a gap, each a whole screen, and it saves both
// as a recording file and as a video.
TEST(UnreadableScreen, ATakeGoesOnWithoutEmptyOrMissingFramesAndSaves) {
  constexpr UnitAddress kStatus{RecorderWindow::kId, RecorderWindow::标签1};
  constexpr size_t kScreenFrameBytes = 2359350;
  for (const char* format : {"vmrc", "mp4"}) {
    SCOPED_TRACE(format);
    TempFolder scratch;
    const std::string target = scratch / (std::string("锁屏 帧.") + format);
    int frames = 0;
    RunRecorder([&] {
      Click(RecorderWindow::按钮1);
      CaptureTicks(2);
      const int before = FrameCount;
      const std::string status = ReadText(kStatus, label_property::kCaption);
      const ScreenUnreadable system = SetScreenUnreadable(ScreenLockedForAFewTicks);
      unreadableTicks = 3;
      CaptureTicks(3);
      EXPECT_EQ(unreadableTicks, 0);
      EXPECT_EQ(FrameCount, before) << "no frame is counted while the screen cannot be read";
      EXPECT_EQ(ReadText(kStatus, label_property::kCaption), status);
      EXPECT_EQ(ReadInt({RecorderWindow::kId, RecorderWindow::时钟1}, timer_property::kInterval),
                CaptureTickMilliseconds(kDefaultFrameRate));
      CaptureTicks(2);
      SetScreenUnreadable(system);
      Click(RecorderWindow::按钮2);
      frames = FrameCount;
      EXPECT_EQ(frames, before + 3 + 2) << "the locked slots repeat the frame before, then frames resume";
      std::vector<std::string> kept = FrameNames(".vlf", frames);
      kept.push_back("coded");
      EXPECT_EQ(ListFolder(WorkingFolder()), kept);
      for (int n = 1; n <= frames; ++n) EXPECT_EQ(TakeFrameFile(n).size(), kScreenFrameBytes) << n;
      SaveAs(target, format == std::string("vmrc") ? 0 : 1);
    });
    ASSERT_EQ(Seen().questions, std::vector<std::string>{"文件“" + target + "”保存成功!"});
    if (format == std::string("vmrc")) {
      EXPECT_EQ(Unpack(nullptr, target, scratch / "unpacked"), kZipDone);
      EXPECT_EQ(ListFolder(scratch / "unpacked"), FrameNames(".jpg", frames));
    } else {
      EXPECT_EQ(Mp4TopBoxes(ReadBytes(target)).at(1), "moov");
    }
  }
}

}  // namespace
