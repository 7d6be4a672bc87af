// The painted kinds' pure rules, table by table; no window needed.
#include <gtest/gtest.h>

#include <cstring>

#include "components/imaging/bmp_file.h"
#include "controls/painted/label_layout.h"
#include "controls/painted/logical_font.h"
#include "controls/painted/picture_format.h"
#include "controls/painted/picture_placement.h"
#include "tests/support/files.h"

namespace {

struct PlacementCase {
  int clientWidth, clientHeight, pictureWidth, pictureHeight;
  PictureRect expected;
};

TEST(CentredShrunkPlacement, FollowsTheIntegerRuleCaseByCase) {
  const PlacementCase cases[] = {
      {307, 180, 640, 480, {33, 0, 240, 180}},   // player panel with its sunken edge
      {311, 184, 640, 480, {33, 0, 245, 184}},   // the same panel without border
      {819, 614, 1024, 768, {0, 0, 818, 614}},   // a screen frame at 80 %: one column stays free
      {204, 153, 1024, 768, {0, 0, 204, 153}},   // at 20 %
      {1024, 768, 1024, 768, {0, 0, 1024, 768}},  // same size: drawn as it is
      {200, 100, 40, 30, {80, 35, 40, 30}},      // smaller: centred, never enlarged
      {101, 51, 50, 20, {25, 15, 50, 20}},       // odd room: halves round down
      {100, 300, 200, 100, {0, 125, 100, 50}},   // too wide only
      {300, 100, 100, 200, {125, 0, 50, 100}},   // too tall only
      {0, 0, 10, 10, {0, 0, 0, 0}},              // no room at all
      {1, 1, 1, 1, {0, 0, 1, 1}},
  };
  for (const PlacementCase& c : cases) {
    EXPECT_EQ(PlaceCentredShrunk(c.clientWidth, c.clientHeight, c.pictureWidth, c.pictureHeight), c.expected)
        << c.pictureWidth << "x" << c.pictureHeight << " in " << c.clientWidth << "x" << c.clientHeight;
  }
}

TEST(BmpFile, RowsArePaddedToFourBytes) {
  const std::pair<int, uint32_t> cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {1024, 3072}, {1366, 4100}};
  for (auto [width, rowBytes] : cases) EXPECT_EQ(BmpRowBytes(width), rowBytes) << width;
}

TEST(BmpFile, EveryHeaderFieldHasItsValue) {
  Bytes rows(BmpRowBytes(3) * 2);
  for (size_t index = 0; index < rows.size(); ++index) rows[index] = static_cast<uint8_t>(index + 1);
  Bytes file = BuildBmpFile(3, 2, rows);
  ASSERT_EQ(file.size(), 54u + 24u);
  struct Field {
    size_t offset;
    int size;
    uint32_t value;
  };
  const Field fields[] = {
      {0, 2, 'B' | 'M' << 8}, {2, 4, 78}, {6, 2, 0}, {8, 2, 0}, {10, 4, 54}, {14, 4, 40}, {18, 4, 3}, {22, 4, 2},
      {26, 2, 1},  {28, 2, 24},  {30, 4, 0}, {34, 4, 24}, {38, 4, 0}, {42, 4, 0}, {46, 4, 0},  {50, 4, 0},
  };
  for (const Field& field : fields) {
    uint32_t actual = field.size == 2 ? Le16(file, field.offset) : Le32(file, field.offset);
    EXPECT_EQ(actual, field.value) << "offset " << field.offset;
  }
  EXPECT_TRUE(std::equal(rows.begin(), rows.end(), file.begin() + 54));
}

TEST(BmpFile, AScreenSizedFrameHasTheKnownSize) {
  Bytes rows(static_cast<size_t>(BmpRowBytes(1024)) * 768);
  Bytes file = BuildBmpFile(1024, 768, rows);
  EXPECT_EQ(file.size(), 2359350u);
  EXPECT_EQ(Le32(file, 2), 2359350u);
  EXPECT_EQ(Le32(file, 34), 2359296u);
}

TEST(BmpFile, TheRoomCheckCountsTheBytesTheWriterWrites) {
  const std::pair<int, int> sizes[] = {{1, 1}, {3, 2}, {5, 7}, {1024, 768}, {2880, 1620}};
  for (auto [width, height] : sizes) {
    const Bytes file = BmpFileOfSize(width, height);
    EXPECT_EQ(BmpFileSize(width, height), file.size()) << width << "x" << height;
    EXPECT_TRUE(IsWholeBitmapFile(file.data(), file.size(), file.size())) << width << "x" << height;
  }
  // Sizes no 32-bit file can hold are still counted exactly, so a room check never wraps.
  EXPECT_EQ(BmpRowSize(uint64_t{1} << 40), uint64_t{3} << 40);
  EXPECT_EQ(BmpFileSize(100000, 100000), 54u + 300000ull * 100000);
}

TEST(BmpFile, RefusesSizesThatDoNotMatchTheRows) {
  Bytes rows(BmpRowBytes(3) * 2);
  EXPECT_TRUE(BuildBmpFile(3, 3, rows).empty());
  EXPECT_TRUE(BuildBmpFile(0, 2, Bytes{}).empty());
  EXPECT_TRUE(BuildBmpFile(3, 0, Bytes{}).empty());
  EXPECT_TRUE(BuildBmpFile(-3, 2, rows).empty());
  EXPECT_TRUE(BuildBmpFile(1 << 30, 1 << 30, rows).empty());
}

TEST(PictureFormat, IsToldByTheFirstBytes) {
  const std::pair<Bytes, PictureFormat> cases[] = {
      {{0xFF, 0xD8, 0xFF, 0xE0}, PictureFormat::Jpeg},
      {{'B', 'M', 0, 0}, PictureFormat::Bmp},
      {{0, 0, 1, 0, 1, 0}, PictureFormat::Icon},
      {{0, 0, 2, 0, 1, 0}, PictureFormat::Cursor},
      {{'G', 'I', 'F', '8', '7', 'a'}, PictureFormat::Gif},
      {{'G', 'I', 'F', '8', '9', 'a', 1}, PictureFormat::Gif},
      {{'G', 'I', 'F', '8', '8', 'a'}, PictureFormat::None},
      {{0x0A, 5, 1, 8}, PictureFormat::Pcx},
      {{0x89, 'P', 'N', 'G'}, PictureFormat::None},
      {{0xFF}, PictureFormat::None},
      {{'B'}, PictureFormat::None},
      {{0, 0, 1}, PictureFormat::None},
      {{}, PictureFormat::None},
  };
  for (const auto& [bytes, format] : cases) EXPECT_EQ(PictureFormatOf(bytes), format) << bytes.size() << " bytes";
}

TEST(LabelLayout, TextTopFollowsTheVerticalAlignment) {
  EXPECT_EQ(LabelTextTop(0, 24, 14, 0), 0);
  EXPECT_EQ(LabelTextTop(0, 24, 14, 1), 5);
  EXPECT_EQ(LabelTextTop(0, 24, 14, 2), 10);
  EXPECT_EQ(LabelTextTop(5, 25, 14, 1), 10);
  EXPECT_EQ(LabelTextTop(0, 10, 14, 1), -2);  // too tall: overflows on both sides
  EXPECT_EQ(LabelTextTop(0, 10, 14, 2), -4);
}

TEST(LabelLayout, PaintedFrameSplitsIntoThreeBands) {
  EXPECT_EQ(FrameBandsOf(5), (FrameBands{1, 3, 1}));
  EXPECT_EQ(FrameBandsOf(6), (FrameBands{2, 2, 2}));
  EXPECT_EQ(FrameBandsOf(10), (FrameBands{3, 4, 3}));
}

// A stored LOGFONTA with face name bytes `face` (at most 32).
Bytes StoredFont(int32_t height, int32_t weight, uint8_t charset, const std::string& face) {
  Bytes bytes(60, 0);
  std::memcpy(bytes.data(), &height, 4);
  std::memcpy(bytes.data() + 16, &weight, 4);
  bytes[23] = charset;
  std::memcpy(bytes.data() + 28, face.data(), std::min<size_t>(face.size(), 32));
  return bytes;
}

TEST(StoredFont, ReadsAnAnsiFaceName) {
  std::optional<LOGFONTW> font = LogFontFromBytes(StoredFont(-12, 400, GB2312_CHARSET, "\xCB\xCE\xCC\xE5"));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->lfHeight, -12);
  EXPECT_EQ(font->lfWeight, 400);
  EXPECT_EQ(font->lfCharSet, GB2312_CHARSET);
  EXPECT_STREQ(font->lfFaceName, L"宋体");
}

TEST(StoredFont, EmptyOrMisSizedMeansTheDefaultFont) {
  EXPECT_FALSE(LogFontFromBytes({}));
  EXPECT_FALSE(LogFontFromBytes(Bytes(59, 0)));
  EXPECT_FALSE(LogFontFromBytes(Bytes(61, 0)));
}

TEST(StoredFont, AFaceNameWithoutTerminatorStaysInsideItsField) {
  std::optional<LOGFONTW> font = LogFontFromBytes(StoredFont(-12, 400, ANSI_CHARSET, std::string(32, 'A')));
  ASSERT_TRUE(font);
  EXPECT_EQ(std::wstring(font->lfFaceName), std::wstring(31, L'A'));
}

}  // namespace
