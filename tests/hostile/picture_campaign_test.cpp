// Damaged pictures of every source format through ConvertToJpeg and through the player's picture
// panel (its back picture written through the runtime, as a playback tick does, then painted,
// and loaded as a picture, as fitting the layout does). Each case gives a result within the hang
// bound, leaves no pixel file behind, keeps the peak working set under its bound, and the panel
// and the converter agree on which pictures can be read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "components/imaging/imaging.h"
#include "components/services/wide_text.h"
#include "controls/painted/picture_format.h"
#include "controls/property_indexes.h"
#include "tests/hostile/campaign_limits.h"
#include "tests/hostile/hang_watch.h"
#include "tests/hostile/picture_damage.h"
#include "tests/imaging/picture_files.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/support/temp_folder.h"

namespace {

// The campaign's size: every case in long mode; outside it every 19th, a number prime to the
// count of seeds, so that the sample still meets every seed with every kind of damage.
constexpr size_t kCampaignCases = 12000;
constexpr size_t kSampleStep = 19;

const UnitAddress kPanel{PlayerWindow::kId, PlayerWindow::画板};

// While it lives, the system temporary folder (where pixel files go) is a folder of its own.
class PrivateTemporaryFolder {
 public:
  PrivateTemporaryFolder() : saved_(Variable(L"TMP")) {
    SetEnvironmentVariableW(L"TMP", Widen(folder_.path()).c_str());
  }
  ~PrivateTemporaryFolder() { SetEnvironmentVariableW(L"TMP", saved_.empty() ? nullptr : saved_.c_str()); }
  const std::string& path() const { return folder_.path(); }

 private:
  static std::wstring Variable(const wchar_t* name) {
    wchar_t value[MAX_PATH + 1];
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH + 1);
    return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(value, length);
  }

  TempFolder folder_;
  std::wstring saved_;
};

class PictureCampaign : public testing::Test {
 protected:
  // ConvertToJpeg with the program's arguments: 1 and a JPEG that reads back, or -3 and no
  // target.
  int Convert(const std::string& what, const Bytes& bytes) {
    EXPECT_TRUE(WriteBytes(scratch_ / "damaged", bytes));
    const std::string target = scratch_ / "damaged.jpg";
    const int result = ConvertToJpeg(scratch_ / "damaged", target, false, 80, true, 0);
    EXPECT_TRUE(result == kJpegWritten || result == kJpegSourceUnreadable) << what << ": " << result;
    PixelBuffer written;
    EXPECT_EQ(result == kJpegWritten, FileExists(target) && DecodeJpegFile(target, written)) << what;
    DeleteFileW(Widen(target).c_str());
    return result;
  }

  // The bytes as the panel's back picture, painted at once, then loaded as a picture; true when
  // the load found a picture.
  static bool ShowInPanel(const Bytes& bytes) {
    WriteProperty(kPanel, draw_panel_property::kBackPicture, ByteString(bytes));
    RedrawWindow(LiveHwnd(kPanel), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const int picture = LoadPicture(bytes);
    const bool found = picture != 0 && PictureWidth(kPanel, picture) > 0;
    UnloadPicture(picture);
    return found;
  }

  PrivateTemporaryFolder temporary_;
  TempFolder scratch_;
};

TEST_F(PictureCampaign, EverySeedIsASoundPicture) {
  for (const PictureSeed& seed : PictureSeeds(scratch_.path())) {
    ASSERT_FALSE(seed.bytes.empty()) << seed.what;
    EXPECT_EQ(Convert(seed.what, seed.bytes), kJpegWritten) << seed.what;
  }
}

// A small file can describe the largest picture the limits allow (64 Mi pixels, 8192 × 8192),
// and that is the most one picture can cost, 3 bytes a pixel for each copy. The conversion holds
// the pixels in its mapped buffer and libjpeg's coefficients for optimised coding: 2 copies. The
// panel keeps the picture it shows as a bitmap while a picture is loaded, as the player loads
// the first frame of each recording: 3 copies (the shown bitmap, the pixels, the new bitmap).
// Each is measured from the working set at its start: freed heap stays in the working set under
// Wine. Long mode only: making and reading such a picture takes seconds.
TEST_F(PictureCampaign, ThePictureAtThePixelLimitCostsWhatTheLimitAllows) {
  if (!LongMode()) GTEST_SKIP() << "runs in long mode";
  const int side = 8192;
  const Bytes jpeg = FlatJpeg(side, side);
  const double copyMiB = 3.0 * side * side / (1024 * 1024);
  RunRecorder([&] {
    OpenPlayer();
    CaseWatch().Begin("picture at the pixel limit", 120);
    const double beforeConversion = WorkingSetMiB();
    EXPECT_EQ(Convert("picture at the pixel limit", jpeg), kJpegWritten);
    const double conversionPeak = PeakWorkingSetMiB();
    const double beforePanel = WorkingSetMiB();
    EXPECT_TRUE(ShowInPanel(jpeg));
    const double panelPeak = PeakWorkingSetMiB();
    CaseWatch().Idle();
    std::printf("a %zu-byte JPEG of %d x %d: conversion %.0f MiB over %.0f, panel %.0f MiB over %.0f\n", jpeg.size(),
                side, side, conversionPeak - beforeConversion, beforeConversion, panelPeak - beforePanel, beforePanel);
    EXPECT_LT(conversionPeak - beforeConversion, 2 * copyMiB + 64);
    EXPECT_LT(panelPeak - beforePanel, 3 * copyMiB + 64);
    ShowInPanel({});
  });
}

TEST_F(PictureCampaign, DamagedPicturesGiveAResultWithinTheMemoryBound) {
  const std::vector<PictureSeed> seeds = PictureSeeds(scratch_.path());
  const size_t step = LongMode() ? 1 : kSampleStep;
  size_t tried = 0, converted = 0, shown = 0;
  RunRecorder([&] {
    OpenPlayer();
    const std::vector<std::string> temporaryBefore = ListFolder(temporary_.path());
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
      ASSERT_EQ(ListFolder(temporary_.path()), temporaryBefore) << damaged.what << ": a pixel file was left";
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
