// DOS and Unix times of entries, including the ends of both ranges.
#include "components/zip/zip_time.h"

#include <gtest/gtest.h>

#include "tests/zip/case_name.h"

namespace {

struct DosCase {
  const char* what;
  CivilTime local;
  uint16_t time, date;
};

class DosTime : public testing::TestWithParam<DosCase> {};

TEST_P(DosTime, PacksTheLocalTimeInTwoSecondSteps) {
  const DosCase& c = GetParam();
  DosDateTime dos = ToDosDateTime(c.local);
  EXPECT_EQ(dos.time, c.time);
  EXPECT_EQ(dos.date, c.date);
}

INSTANTIATE_TEST_SUITE_P(
    Range, DosTime,
    testing::Values(DosCase{"ordinary", {2024, 3, 5, 14, 7, 42}, 14 << 11 | 7 << 5 | 21, 44 << 9 | 3 << 5 | 5},
                    DosCase{"odd second rounds down", {2024, 3, 5, 14, 7, 43}, 14 << 11 | 7 << 5 | 21, 44 << 9 | 3 << 5 | 5},
                    DosCase{"first day of the range", {1980, 1, 1, 0, 0, 0}, 0, 1 << 5 | 1},
                    DosCase{"before 1980", {1979, 12, 31, 23, 59, 59}, 0, 1 << 5 | 1},
                    DosCase{"long before 1980", {1601, 1, 1, 12, 0, 0}, 0, 1 << 5 | 1},
                    DosCase{"last day of the range", {2107, 12, 31, 23, 59, 58}, 23 << 11 | 59 << 5 | 29, 127 << 9 | 12 << 5 | 31},
                    DosCase{"after 2107", {2200, 6, 1, 1, 2, 3}, 23 << 11 | 59 << 5 | 29, 127 << 9 | 12 << 5 | 31}),
    CaseName());

TEST(DosTime, ReadsBackTheFieldsItWrote) {
  CivilTime civil = FromDosDateTime(14 << 11 | 7 << 5 | 21, 44 << 9 | 3 << 5 | 5);
  EXPECT_EQ(civil.year, 2024);
  EXPECT_EQ(civil.month, 3);
  EXPECT_EQ(civil.day, 5);
  EXPECT_EQ(civil.hour, 14);
  EXPECT_EQ(civil.minute, 7);
  EXPECT_EQ(civil.second, 42);
}

struct UnixCase {
  const char* what;
  CivilTime local;
  int64_t localMinusUtc;
  int32_t expected;
};

class UnixTime : public testing::TestWithParam<UnixCase> {};

TEST_P(UnixTime, CountsUtcSecondsWithTheYearClampedTo1970Through2037) {
  const UnixCase& c = GetParam();
  EXPECT_EQ(ToUnixTime(c.local, c.localMinusUtc), c.expected);
}

constexpr int64_t kChina = 8 * 3600;
constexpr int64_t kNewYork = -5 * 3600;

INSTANTIATE_TEST_SUITE_P(
    Range, UnixTime,
    testing::Values(UnixCase{"epoch in UTC", {1970, 1, 1, 0, 0, 0}, 0, 0},
                    UnixCase{"leap day", {2024, 2, 29, 12, 0, 0}, 0, 1709208000},
                    UnixCase{"east of Greenwich", {2024, 2, 29, 20, 0, 0}, kChina, 1709208000},
                    UnixCase{"west of Greenwich", {2024, 2, 29, 7, 0, 0}, kNewYork, 1709208000},
                    UnixCase{"1969 keeps its time of day on 1970-01-01", {1969, 12, 31, 23, 59, 59}, 0, 86399},
                    UnixCase{"1601 clamped", {1601, 1, 1, 6, 0, 0}, 0, 6 * 3600},
                    UnixCase{"clamped local midnight east of Greenwich lies before the epoch", {1900, 5, 5, 0, 0, 0}, kChina, -28800},
                    UnixCase{"last second before the clamp", {2037, 12, 31, 23, 59, 59}, 0, 2145916799},
                    UnixCase{"2038 moves to 2037-12-31", {2038, 1, 19, 3, 14, 8}, 0, 2145916799 - 86399 + 3 * 3600 + 14 * 60 + 8},
                    UnixCase{"far future still fits", {2107, 12, 31, 23, 59, 59}, kNewYork, 2145916799 + 5 * 3600}),
    CaseName());

}  // namespace
