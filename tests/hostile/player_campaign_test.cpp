// Hostile recordings opened through the real PlayerWindow, as a user picks them in its file
// dialog: the player plays what could be extracted, keeps running, and nothing lands outside
// its extraction folder.
#include <gtest/gtest.h>

#include <random>

#include "app/player/player_state.h"
#include "components/services/services.h"
#include "controls/runtime.h"
#include "tests/hostile/archive_damage.h"
#include "tests/hostile/campaign_limits.h"
#include "tests/hostile/escape_watch.h"
#include "tests/hostile/hang_watch.h"
#include "tests/hostile/hostile_names.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr Pixel kRed{230, 20, 20};

class PlayerCampaign : public testing::Test {
 protected:
  // Opens `archive` in the loaded PlayerWindow, lets a few ticks play it and gives back the
  // time text the open left.
  std::string Open(const std::string& what, const Bytes& archive) {
    CaseWatch().Begin(what);
    EXPECT_TRUE(WriteBytes(scratch_ / "bad.vmrc", archive));
    OpenRecordingFile(scratch_ / "bad.vmrc");
    const std::string shown = TimeText();
    Tick(3);
    CaseWatch().Idle();
    EXPECT_TRUE(IsWindowLoaded(PlayerWindow::kId)) << what;
    EXPECT_EQ(ListFolder(scratch_.path()), std::vector<std::string>{"bad.vmrc"}) << what;
    return shown;
  }

  void TearDown() override {
    EXPECT_EQ(watch_.Escaped(), std::vector<std::string>{});
    EXPECT_LT(PeakWorkingSetMiB(), kPeakMemoryBoundMiB);
  }

  // A sibling of the extraction folders: names with parents land where they would.
  const std::string sibling_ = SpecialFolderPath(kTemporaryFolder) + "velmo-sibling.tmp";
  const Bytes frame_ = JpegFrame(16, 12, kRed);
  TempFolder scratch_;
  EscapeWatch watch_{sibling_};
};

// Frame 1, the hostile entry with a frame's bytes, frame 2: a refused entry stops the unpack
// after frame 1, so one frame plays. Each name in both code pages in long mode, else in one of
// them in turn.
TEST_F(PlayerCampaign, HostileNamesStopTheUnpackAndOnlyTheFirstFramePlays) {
  const std::string frame(frame_.begin(), frame_.end());
  size_t turn = 0;
  RunRecorder([&] {
    OpenPlayer();
    for (const HostileName& hostile : HostileNames()) {
      for (uint16_t flags : {uint16_t{0}, kFlagUtf8Name}) {
        if (!LongMode() && (turn++ % 2 == 1)) continue;
        watch_.AddLanding(sibling_, hostile.name);
        const Bytes archive =
            BuildArchive({{"1.jpg", frame}, {.name = hostile.name, .data = frame, .flags = flags}, {"2.jpg", frame}});
        const std::string shown = Open(hostile.what, archive);
        if (!hostile.harmless) {
          EXPECT_EQ(shown, "时长:0/0.1秒") << hostile.what;
          EXPECT_EQ(TreeOf(ExtractionFolder), std::vector<std::string>{"1.jpg"}) << hostile.what;
        }
      }
    }
  });
}

// A recording cut short or with flipped bits plays what could be extracted of it; the player
// neither stops nor writes beside its folder.
TEST_F(PlayerCampaign, DamagedRecordingsPlayWhatCanBeExtracted) {
  std::vector<TestEntry> frames;
  for (int n = 1; n <= 4; ++n)
    frames.push_back({std::to_string(n) + ".jpg", std::string(frame_.begin(), frame_.end())});
  const Bytes good = BuildArchive(frames);
  std::mt19937 random(2024);
  const size_t cases = CampaignSize(40, 400);
  RunRecorder([&] {
    OpenPlayer();
    for (size_t i = 0; i < cases; ++i) {
      Bytes damaged = good;
      if (i % 2 == 0) {
        damaged.resize(random() % good.size());
      } else {
        for (int flip = 0; flip < 3; ++flip)
          damaged[random() % damaged.size()] ^= static_cast<uint8_t>(1u << (random() % 8));
      }
      Open("damaged recording " + std::to_string(i), damaged);
      EXPECT_LE(TreeOf(ExtractionFolder).size(), 4u) << i;
    }
  });
}

// A recording whose central directory names one deflated megabyte a thousand times writes it
// once.
TEST_F(PlayerCampaign, EntriesSharingTheirDataAreWrittenOnce) {
  RunRecorder([&] {
    OpenPlayer();
    EXPECT_EQ(Open("1000 entries over one data", SharedDataBomb(1000, 1u << 20)), "时长:0/0秒");
    EXPECT_EQ(TreeOf(ExtractionFolder), std::vector<std::string>{"0000.bin"});
  });
}

}  // namespace
