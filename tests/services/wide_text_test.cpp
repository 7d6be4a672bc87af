#include "components/services/wide_text.h"

#include <gtest/gtest.h>

// Wine runs the suite with the zh_CN locale, so the ANSI code page is 936 and a Chinese
// character takes two bytes there (three in UTF-8).
TEST(WideText, ChineseTextCountsTwoBytesInTheAnsiCodePage) {
  std::string utf8 = "Velmo屏幕录像器";
  EXPECT_EQ(Narrow(Widen(utf8)), utf8);
  EXPECT_EQ(ToAnsi(Widen(utf8)).size(), 5u + 5 * 2);
  EXPECT_EQ(FromAnsi(ToAnsi(Widen(utf8))), Widen(utf8));
}
