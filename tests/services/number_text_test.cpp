#include "components/services/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

TEST(NumberText, WholeNumbersReadInDecimal) {
  EXPECT_EQ(IntegerText(0), "0");
  EXPECT_EQ(IntegerText(80), "80");
  EXPECT_EQ(IntegerText(-12), "-12");
  EXPECT_EQ(IntegerText(INT_MAX), "2147483647");
  EXPECT_EQ(IntegerText(INT_MIN), "-2147483648");
}

TEST(NumberText, QuotientsReadInTheirShortestForm) {
  EXPECT_EQ(DecimalText(1 / 10.0), "0.1");
  EXPECT_EQ(DecimalText(10 / 10.0), "1");
  EXPECT_EQ(DecimalText(25 / 10.0), "2.5");
  EXPECT_EQ(DecimalText(123 / 10.0), "12.3");
  EXPECT_EQ(DecimalText(1000 / 10.0), "100");
  EXPECT_EQ(DecimalText(0.0), "0");
  // Binary rounding noise stays below 13 significant digits.
  EXPECT_EQ(DecimalText(3 / 10.0 - 0.1), "0.2");
  EXPECT_EQ(DecimalText(0.1 + 0.2), "0.3");
  EXPECT_EQ(DecimalText(641 * 80 / 100.0), "512.8");
  EXPECT_EQ(DecimalText(1e15), "1e+15");
}

TEST(NumberText, QuotientsMatchPrintfWithThirteenSignificantDigits) {
  for (int frames = -50; frames <= 400000; frames += 7) {
    double seconds = frames / 10.0;
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.13g", seconds);
    ASSERT_EQ(DecimalText(seconds), expected) << frames;
  }
}
