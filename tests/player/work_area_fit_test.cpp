// The rules that keep PlayerWindow on a screen smaller than the recording.
#include "app/player/work_area_fit.h"

#include <gtest/gtest.h>

namespace {

// The player's frame around its panel on the test screen: 6 wide, 12 + 20 + 40 high.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 72;

TEST(PanelFittingWorkArea, APanelWhoseWindowFitsIsLeftAsItIs) {
  const PanelSize panel = PanelFittingWorkArea({512, 384}, kFrameWidth, kFrameHeight, 1024, 738);
  EXPECT_EQ(panel.width, 512);
  EXPECT_EQ(panel.height, 384);
  // Exactly the work area's size still fits.
  const PanelSize exact = PanelFittingWorkArea({1018, 666}, kFrameWidth, kFrameHeight, 1024, 738);
  EXPECT_EQ(exact.width, 1018);
  EXPECT_EQ(exact.height, 666);
}

struct FitCase {
  PanelSize panel;
  int workWidth;
  int workHeight;
  PanelSize expected;
};

class PanelShrinking : public testing::TestWithParam<FitCase> {};

// One factor for both sides, the smaller of the two that fit, each side truncated.
TEST_P(PanelShrinking, KeepsTheFramesProportions) {
  const FitCase& c = GetParam();
  const PanelSize panel = PanelFittingWorkArea(c.panel, kFrameWidth, kFrameHeight, c.workWidth, c.workHeight);
  EXPECT_EQ(panel.width, c.expected.width);
  EXPECT_EQ(panel.height, c.expected.height);
  EXPECT_LE(panel.width + kFrameWidth, c.workWidth);
  EXPECT_LE(panel.height + kFrameHeight, c.workHeight);
}

INSTANTIATE_TEST_SUITE_P(
    LargerThanTheScreen, PanelShrinking,
    testing::Values(
        // 2560 × 1440 at 80 percent on 1920 × 1080 less a 40-pixel taskbar: the height decides,
        // 968 / 1152 of 2048 is 1720.88.
        FitCase{{2048, 1152}, 1920, 1040, {1720, 968}},
        // The same on 1024 × 768 less 30: the width decides, 1018 / 2048 of 1152 is 572.6.
        FitCase{{2048, 1152}, 1024, 738, {1018, 572}},
        // Too high only: a tall portrait frame.
        FitCase{{600, 1600}, 1024, 738, {249, 666}},
        // Too wide only.
        FitCase{{3000, 300}, 1024, 738, {1018, 101}},
        // A tiny work area never gives a panel of 0.
        FitCase{{2048, 1152}, 8, 80, {2, 1}}));

TEST(KeptWithin, MovesOnlyWhatReachesBeyond) {
  EXPECT_EQ(KeptWithin(253, 518, 0, 1024), 253);
  EXPECT_EQ(KeptWithin(-515, 2054, 0, 1024), 0);
  EXPECT_EQ(KeptWithin(30, 720, 0, 738), 18);
  EXPECT_EQ(KeptWithin(-4, 100, 0, 738), 0);
  EXPECT_EQ(KeptWithin(10, 100, 40, 738), 40) << "a work area below a bar at the top";
  EXPECT_EQ(KeptWithin(0, 800, 0, 738), 0) << "longer than the range: its start";
}

}  // namespace
