// Which frame rates this screen sustains: the rule from a frame's costs to the rates and the line
// the settings window shows for them, and a real measurement of the test screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "app/recorder/rate_probe.h"
#include "app/recording/frame_rate.h"

namespace {

struct RateCase {
  const char* name;
  FrameCosts costs;
  std::vector<int> rates;
  const char* text;
};

// Three quarters of a period: 75 ms at 10, 50 ms at 15, 37.5 ms at 20, 25 ms at 30 frames a second.
const RateCase kRateCases[] = {
    {"cheap frames keep every rate", {5'000, 10'000, 2}, {10, 15, 20, 30}, "此屏幕可持续：10、15、20、30 帧/秒"},
    {"the slower snapshot bounds the rate", {30'000, 10'000, 2}, {10, 15, 20}, "此屏幕可持续：10、15、20 帧/秒"},
    {"the slower coding bounds the rate", {10'000, 40'000, 4}, {10, 15}, "此屏幕可持续：10、15 帧/秒"},
    {"exactly three quarters of the period fits", {25'000, 25'000, 2}, {10, 15, 20, 30}, "此屏幕可持续：10、15、20、30 帧/秒"},
    {"a microsecond more does not", {25'001, 1'000, 2}, {10, 15, 20}, "此屏幕可持续：10、15、20 帧/秒"},
    {"one core does both in turn", {20'000, 20'000, 1}, {10, 15}, "此屏幕可持续：10、15 帧/秒"},
    {"too slow for ten", {75'001, 1'000, 2}, {}, "此屏幕无法持续 10 帧/秒，录制仍按时间计帧"},
    {"costs below zero count as none", {-5'000'000, -1, 2}, {10, 15, 20, 30}, "此屏幕可持续：10、15、20、30 帧/秒"},
    {"the largest costs fit no rate", {INT64_MAX, INT64_MAX, 1}, {}, "此屏幕无法持续 10 帧/秒，录制仍按时间计帧"},
};

TEST(RateProbe, AFrameRateIsSustainedWhenTheSlowerCostFitsInThreeQuartersOfItsPeriod) {
  for (const RateCase& c : kRateCases) {
    const std::vector<int> rates = RatesSustainedAt(c.costs);
    EXPECT_EQ(rates, c.rates) << c.name;
    EXPECT_EQ(SustainedRatesText(rates), c.text) << c.name;
  }
}

// The test screen is small and idle, so at least ten frames a second fit.
TEST(RateProbe, TheTestScreenSustainsAnAscendingRunOfTheOfferedRates) {
  const std::vector<int> rates = SustainedFrameRates();
  ASSERT_FALSE(rates.empty());
  ASSERT_LE(rates.size(), std::size(kOfferedFrameRates));
  const std::vector<int> offered(std::begin(kOfferedFrameRates), std::end(kOfferedFrameRates));
  EXPECT_TRUE(std::equal(rates.begin(), rates.end(), offered.begin())) << "the lowest rates, in order";
}

}  // namespace
