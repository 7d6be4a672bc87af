// Opening a long recording: the first frame shows while the rest is still being unpacked, the
// window answers meanwhile, playback never runs ahead of the frames on disk, and giving the
// recording up halfway (another open, closing the window) leaves nothing behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/player/player_handlers.h"
#include "app/player/player_state.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "components/services/services.h"
#include "tests/controls/program_run.h"
#include "tools/drive/keyboard.h"
#include "tools/drive/mouse.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"
#include "tests/zip/archive_bytes.h"

namespace {

using namespace PlayerWindow;

constexpr int kFrames = 3000;
const Pixel kColours[] = {{230, 20, 20}, {20, 200, 40}, {30, 40, 220}};

Pixel ColourOf(int frame) { return kColours[frame % 3]; }

// Frames in the order a listing sorted by name gives them (1, 10, 100, 1000, 1001, ...), as a
// save on a disk that lists names sorted makes them: frame 2 comes after all frames from 1000
// to 1999.
RecordingEntries FramesInNameOrder(int frames) {
  std::vector<Bytes> pictures;
  for (const Pixel& colour : kColours) pictures.push_back(JpegFrame(16, 12, colour));
  std::vector<std::string> names;
  for (int n = 1; n <= frames; ++n) names.push_back(std::to_string(n));
  std::sort(names.begin(), names.end());
  RecordingEntries entries;
  for (const std::string& name : names) entries.push_back({name + ".jpg", pictures[std::stoi(name) % 3]});
  return entries;
}

class LongRecording : public testing::Test {
 protected:
  void SetUp() override { WriteRecording(scratch_ / "long.vmrc", FramesInNameOrder(kFrames)); }
  std::string Recording() const { return scratch_ / "long.vmrc"; }
  TempFolder scratch_;
};

TEST_F(LongRecording, PlaysFromTheFirstFrameWhileTheRestIsUnpacked) {
  RunRecorder([&] {
    OpenPlayer();
    StartOpeningRecordingFile(Recording());
    EXPECT_FALSE(PlayerUnpack.FrameReady(kFrames)) << "the open waits for frame 1 only";
    EXPECT_EQ(TimeText(), "时长:0/300秒") << "the whole length from the archive's directory";
    EXPECT_EQ(ProgressMaximumShown(), kFrames);

    // The window moves and repaints, and its buttons answer, while frames are still coming.
    const HWND window = LiveHwnd(Player(kId));
    SetWindowPos(window, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ProcessPendingEvents();
    RECT place;
    GetWindowRect(window, &place);
    EXPECT_EQ(place.left, 10);
    ClickPlayer(暂停按钮);
    EXPECT_TRUE(PlayerButtonEnabled(播放按钮));
    ClickPlayer(播放按钮);
    EXPECT_FALSE(PlayerButtonEnabled(播放按钮));

    // Each tick shows the next frame or, while it is still on its way, holds the one shown (frame
    // 1 may have shown already, at the window's own first tick).
    for (int tick = 0, shown = NextFrame - 1; tick < 40; ++tick) {
      Tick();
      if (NextFrame == shown + 1) continue;
      ASSERT_EQ(NextFrame, shown + 2) << "tick " << tick;
      ++shown;
      if (shown <= 6) {
        EXPECT_TRUE(PixelNear(PanelCentre(), ColourOf(shown))) << "frame " << shown;
      }
    }

    AwaitRecordingUnpacked();
    EXPECT_EQ(ListFolder(ExtractionFolder).size(), static_cast<size_t>(kFrames));
    EXPECT_EQ(PlayerFrameCount, kFrames);
    EXPECT_EQ(ProgressMaximumShown(), kFrames);
  });
}

// A seek far ahead while the frames are still coming: the unpack takes that frame next, and it
// shows as soon as it lands, long before the frames between.
TEST_F(LongRecording, ASeekFarAheadShowsItsFrameAsSoonAsItLands) {
  RunRecorder([&] {
    OpenPlayer();
    StartOpeningRecordingFile(Recording());
    SetForegroundWindow(LiveHwnd(Player(kId)));
    PressKey(VK_END);
    EXPECT_EQ(TimeText(), "时长:300/300秒") << "the time text follows the seek at once";
    for (int waited = 0; waited < 60000 && NextFrame != kFrames + 1; waited += 20) PumpFor(20);
    ASSERT_EQ(NextFrame, kFrames + 1) << "the last frame never showed";
    EXPECT_FALSE(PlayerUnpack.FrameReady(kFrames / 2)) << "the last frame came before the frames between";
    EXPECT_TRUE(PixelNear(PanelCentre(), ColourOf(kFrames)));
    ExpectButtons(true, false, true);
    AwaitRecordingUnpacked();
    EXPECT_EQ(ListFolder(ExtractionFolder).size(), static_cast<size_t>(kFrames)) << "the passed-over frames follow";
  });
}

// A damaged frame far on stops the unpack as it always did: the frames before it play, and once
// the unpack has ended the total shrinks to them.
TEST_F(LongRecording, ADamagedFrameFarOnLeavesTheFramesBeforeIt) {
  RecordingEntries entries = FramesInNameOrder(kFrames);
  TempFolder damaged;
  std::vector<TestEntry> archive;
  for (const auto& [name, bytes] : entries) archive.push_back({.name = name, .data = std::string(bytes.begin(), bytes.end())});
  // 2500.jpg declares deflate over bytes that are not; entries before it in the archive land.
  for (TestEntry& entry : archive)
    if (entry.name == "2500.jpg") entry = {"2500.jpg", "\xFF\xFF\xFF not deflate", 0x81800020, 0x0002, 8};
  WriteBytes(damaged / "damaged.vmrc", BuildArchive(archive));
  const int before = static_cast<int>(std::find_if(archive.begin(), archive.end(),
                                                   [](const TestEntry& e) { return e.name == "2500.jpg"; }) -
                                      archive.begin());
  RunRecorder([&] {
    OpenPlayer();
    StartOpeningRecordingFile(damaged / "damaged.vmrc");
    EXPECT_EQ(TimeText(), "时长:0/300秒");
    AwaitRecordingUnpacked();
    EXPECT_EQ(PlayerFrameCount, before + 1) << "the frames listed before it, and what was written of it";
    EXPECT_EQ(ListFolder(ExtractionFolder).size(), static_cast<size_t>(before + 1));
    EXPECT_EQ(TimeText(), "时长:0/" + FrameSecondsText(before + 1, kDefaultFrameRate) + "秒");
    EXPECT_EQ(ProgressMaximumShown(), before + 1);
  });
}

TEST_F(LongRecording, GivingItUpHalfwayLeavesNothingBehind) {
  TempFolder small;
  WriteRecording(small / "short.vmrc", FramesInNameOrder(3));
  RunRecorder([&] {
    OpenPlayer();
    StartOpeningRecordingFile(Recording());
    const std::string halfway = ExtractionFolder;
    OpenRecordingFile(small / "short.vmrc");
    EXPECT_FALSE(FolderExists(halfway)) << "an open stops the unpack before it and removes its folder";
    EXPECT_EQ(ListFolder(ExtractionFolder).size(), 3u);
    EXPECT_EQ(TimeText(), "时长:0/0.3秒");

    StartOpeningRecordingFile(Recording());
    const std::string closed = ExtractionFolder;
    DestroyWindow(kId, true);
    AwaitRecordingUnpacked();
    EXPECT_FALSE(FolderExists(closed)) << "closing the window stops the unpack and removes its folder";
  });
}

}  // namespace
