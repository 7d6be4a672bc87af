// Damaged pictures of every source format through ConvertToJpeg and through the player's picture
// panel (its back picture written through the runtime, as a playback tick does, then painted,
// and loaded as a picture, as fitting the layout does). Each case gives a result within the hang
// bound, leaves no pixel file behind, keeps the peak working set under its bound, and the panel
// and the converter agree on which pictures can be read.
#include <gtest/gtest.h>

#include <cstdio>

#include "components/imaging/imaging.h"
#include "controls/painted/picture_format.h"
#include "tests/hostile/campaign_limits.h"
#include "tests/hostile/hang_watch.h"
#include "tests/hostile/picture_damage.h"
#include "tests/hostile/picture_trial.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"

namespace {

// The campaign's size: every case in long mode; outside it every 19th, a number prime to the
// count of seeds, so that the sample still meets every seed with every kind of damage.
constexpr size_t kCampaignCases = 12000;
constexpr size_t kSampleStep = 19;

using PictureCampaign = PictureTrial;

TEST_F(PictureCampaign, EverySeedIsASoundPicture) {
  for (const PictureSeed& seed : PictureSeeds(scratch_.path())) {
    ASSERT_FALSE(seed.bytes.empty()) << seed.what;
    EXPECT_EQ(Convert(seed.what, seed.bytes), kJpegWritten) << seed.what;
  }
}

TEST_F(PictureCampaign, DamagedPicturesGiveAResultWithinTheMemoryBound) {
  const std::vector<PictureSeed> seeds = PictureSeeds(scratch_.path());
  const size_t step = LongMode() ? 1 : kSampleStep;
  size_t tried = 0, converted = 0, shown = 0;
  RunRecorder([&] {
    OpenPlayer();
    const std::vector<std::string> temporaryBefore = ListFolder(temporaryFolder());
    ShowInPanel(seeds.front().bytes);
    const HeldObjects heldBefore = CurrentHeldObjects();
    for (size_t index = 0; index < kCampaignCases; index += step, ++tried) {
      const DamagedPicture damaged = MakeDamagedPicture(seeds, index);
      CaseWatch().Begin(damaged.what);
      const int result = Convert(damaged.what, damaged.bytes);
      const bool found = ShowInPanel(damaged.bytes);
      converted += result == kJpegWritten;
      shown += found;
      CaseWatch().Idle();
      // The panel decodes JPEG, "BM" and PCX bytes with the converter's own decoders; for those
      // both must come to the same answer.
      const PictureFormat format = PictureFormatOf(ByteSpan(damaged.bytes.data(), damaged.bytes.size()));
      if (format == PictureFormat::Jpeg || format == PictureFormat::Bmp || format == PictureFormat::Pcx) {
        EXPECT_EQ(found, result == kJpegWritten) << damaged.what;
      }
      ASSERT_EQ(ListFolder(temporaryFolder()), temporaryBefore) << damaged.what << ": a pixel file was left";
      ASSERT_LT(PeakWorkingSetMiB(), kPeakMemoryBoundMiB) << damaged.what;
    }
    ShowInPanel(seeds.front().bytes);
    const HeldObjects heldAfter = CurrentHeldObjects();
    EXPECT_LE(heldAfter.handles, heldBefore.handles + 16) << "kernel handles leaked";
    EXPECT_LE(heldAfter.gdiObjects, heldBefore.gdiObjects + 16) << "GDI objects leaked";
  });
  EXPECT_GE(tried, LongMode() ? 10000u : 600u);
  std::printf("%zu damaged pictures: %zu converted, %zu shown by the panel; peak working set %.0f MiB\n", tried,
              converted, shown, PeakWorkingSetMiB());
}

}  // namespace
