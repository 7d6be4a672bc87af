// The load-picture service's table: handles, sizes, and what gives 0.
#include <gtest/gtest.h>

#include "controls/painted/picture_table.h"
#include "tests/painted/painted_fixture.h"

namespace {

COLORREF Grey(int x, int y) { return RGB(x, y, 128); }

TEST(PictureTable, KeepsJpegAndBmpPicturesWithTheirSizes) {
  PictureTable table;
  int jpeg = table.Load(JpegFile(640, 480, Grey));
  int bmp = table.Load(BmpFile(33, 17, Grey));
  ASSERT_GT(jpeg, 0);
  ASSERT_GT(bmp, 0);
  EXPECT_NE(jpeg, bmp);
  EXPECT_EQ(table.Width(jpeg), 640);
  EXPECT_EQ(table.Height(jpeg), 480);
  EXPECT_EQ(table.Width(bmp), 33);
  EXPECT_EQ(table.Height(bmp), 17);
}

TEST(PictureTable, GivesZeroForBytesWithoutAPictureAndForUnknownHandles) {
  PictureTable table;
  EXPECT_EQ(table.Load({}), 0);
  EXPECT_EQ(table.Load({'j', 'u', 'n', 'k'}), 0);
  EXPECT_EQ(table.Load({0xFF, 0xD8, 0xFF}), 0);
  EXPECT_EQ(table.Width(0), 0);
  EXPECT_EQ(table.Height(0), 0);
  EXPECT_EQ(table.Width(12345), 0);
  EXPECT_EQ(table.Height(-1), 0);
}

TEST(PictureTable, AnUnloadedPictureIsGone) {
  PictureTable table;
  int picture = table.Load(BmpFile(8, 8, Grey));
  ASSERT_GT(picture, 0);
  table.Unload(picture);
  EXPECT_EQ(table.Width(picture), 0);
  EXPECT_EQ(table.Height(picture), 0);
  table.Unload(picture);
  EXPECT_NE(table.Load(BmpFile(8, 8, Grey)), 0);
}

}  // namespace
