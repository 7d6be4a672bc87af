// Which stretches of an archive entries may take their data from.
#include "components/zip/data_spans.h"

#include <gtest/gtest.h>

namespace {

TEST(DataSpans, EntriesSideBySideAreAcceptedInAnyOrder) {
  DataSpans spans;
  EXPECT_TRUE(spans.Claim(100, 50));
  EXPECT_TRUE(spans.Claim(150, 10));
  EXPECT_TRUE(spans.Claim(0, 100));
  EXPECT_TRUE(spans.Claim(160, 1));
}

TEST(DataSpans, AnyOverlapIsRefused) {
  DataSpans spans;
  ASSERT_TRUE(spans.Claim(100, 50));
  EXPECT_FALSE(spans.Claim(100, 50)) << "the same data twice";
  EXPECT_FALSE(spans.Claim(120, 5)) << "inside";
  EXPECT_FALSE(spans.Claim(90, 100)) << "around";
  EXPECT_FALSE(spans.Claim(149, 10)) << "over the end";
  EXPECT_FALSE(spans.Claim(50, 51)) << "over the start";
  EXPECT_TRUE(spans.Claim(50, 50)) << "a refused claim takes nothing";
}

TEST(DataSpans, EmptyDataOverlapsNothingAndTheEndOfTheRangeHolds) {
  DataSpans spans;
  ASSERT_TRUE(spans.Claim(100, 50));
  EXPECT_TRUE(spans.Claim(120, 0));
  EXPECT_TRUE(spans.Claim(120, 0));
  EXPECT_FALSE(spans.Claim(UINT64_MAX - 5, 10));
  EXPECT_TRUE(spans.Claim(UINT64_MAX - 5, 5));
}

}  // namespace
