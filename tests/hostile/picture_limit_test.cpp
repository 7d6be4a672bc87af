// The largest picture the limits allow, through ConvertToJpeg and the player's picture panel:
// the most memory one picture can cost. A program of its own, since it raises the process's
// peak working set above the bound the other campaigns check.
#include <gtest/gtest.h>

#include <cstdio>

#include "components/imaging/imaging.h"
#include "tests/hostile/campaign_limits.h"
#include "tests/hostile/hang_watch.h"
#include "tests/hostile/picture_seeds.h"
#include "tests/hostile/picture_trial.h"
#include "tests/player/player_fixture.h"
#include "tests/recorder/recorder_fixture.h"

namespace {

using PictureLimit = PictureTrial;

// A small file can describe the largest picture the limits allow (64 Mi pixels, 8192 × 8192),
// and that is the most one picture can cost, 3 bytes a pixel for each copy. The conversion holds
// the pixels in its mapped buffer and libjpeg's coefficients for optimised coding: 2 copies. The
// panel keeps the picture it shows as a bitmap while a picture is loaded, as the player loads
// the first frame of each recording: 3 copies (the shown bitmap, the pixels, the new bitmap).
// Each is measured from the working set at its start: freed heap stays in the working set under
// Wine. Long mode only: making and reading such a picture takes seconds.
TEST_F(PictureLimit, ThePictureAtThePixelLimitCostsWhatTheLimitAllows) {
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

}  // namespace
