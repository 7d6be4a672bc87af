#include <gtest/gtest.h>

#include "tests/imaging/conversion_fixture.h"

namespace {

using SourceFormatTest = ConversionTest;

uint8_t OpaqueLeftHalf(int x, int) { return x < 16 ? 255 : 0; }

TEST_F(SourceFormatTest, JpegSourceIsEncodedAgain) {
  std::string first = folder_ / "first.jpg";
  ASSERT_EQ(Convert(Source("1.bmp", Bmp24(32, 32, TopAndBottom(kRed, kBlue, 16))), first, 95), kJpegWritten);
  std::string second = folder_ / "second.jpg";
  ASSERT_EQ(Convert(first, second, 95), kJpegWritten);
  PixelBuffer jpeg;
  ASSERT_TRUE(DecodeJpegFile(second, jpeg));
  EXPECT_TRUE(ColourNear(jpeg, 8, 2, kRed, 32));
  EXPECT_TRUE(ColourNear(jpeg, 8, 29, kBlue, 32));
}

TEST_F(SourceFormatTest, GreyJpegSourceComesOutInColourSpace) {
  std::string grey = folder_ / "grey.jpg";
  ASSERT_EQ(ConvertToJpeg(Source("1.bmp", Bmp24(16, 16, Noise)), grey, true, 90, true, 0), kJpegWritten);
  std::string target = folder_ / "colour.jpg";
  ASSERT_EQ(Convert(grey, target), kJpegWritten);
  PixelBuffer jpeg;
  ASSERT_TRUE(DecodeJpegFile(target, jpeg));
  EXPECT_EQ(jpeg.bitsPerPixel(), 24);
}

TEST_F(SourceFormatTest, PngTransparencyLiesOnWhite) {
  Bytes png = Png(32, 32, TopAndBottom(kRed, kRed, 32), OpaqueLeftHalf);
  ASSERT_FALSE(png.empty());
  PixelBuffer jpeg;
  ASSERT_TRUE(ConvertAndDecode(Source("1.png", png), jpeg));
  EXPECT_TRUE(ColourNear(jpeg, 4, 10, kRed));
  EXPECT_TRUE(ColourNear(jpeg, 28, 10, kWhite));
}

TEST_F(SourceFormatTest, TiffSourceConverts) {
  std::string source = folder_ / "1.tif";
  ASSERT_TRUE(WriteTiff(source, 32, 32, TopAndBottom(kOrange, kBlue, 16)));
  PixelBuffer jpeg;
  ASSERT_TRUE(ConvertAndDecode(source, jpeg));
  EXPECT_TRUE(ColourNear(jpeg, 10, 2, kOrange));
  EXPECT_TRUE(ColourNear(jpeg, 10, 29, kBlue));
}

TEST_F(SourceFormatTest, TiffTransparencyLiesOnWhite) {
  std::string source = folder_ / "1.tif";
  ASSERT_TRUE(WriteTiff(source, 32, 32, TopAndBottom(kBlue, kBlue, 32), OpaqueLeftHalf));
  PixelBuffer jpeg;
  ASSERT_TRUE(ConvertAndDecode(source, jpeg));
  EXPECT_TRUE(ColourNear(jpeg, 4, 10, kBlue));
  EXPECT_TRUE(ColourNear(jpeg, 28, 10, kWhite));
}

TEST_F(SourceFormatTest, PcxPaletteSourceConverts) {
  const Rgb palette[4] = {kRed, kGreen, kBlue, kOrange};
  PixelBuffer jpeg;
  ASSERT_TRUE(ConvertAndDecode(Source("1.pcx", Pcx8(32, 32, palette)), jpeg));
  EXPECT_TRUE(ColourNear(jpeg, 3, 3, kRed));
  EXPECT_TRUE(ColourNear(jpeg, 28, 3, kGreen));
  EXPECT_TRUE(ColourNear(jpeg, 3, 28, kBlue));
  EXPECT_TRUE(ColourNear(jpeg, 28, 28, kOrange));
}

TEST_F(SourceFormatTest, PcxTrueColourSourceConverts) {
  PixelBuffer jpeg;
  ASSERT_TRUE(ConvertAndDecode(Source("1.pcx", Pcx24(33, 32, TopAndBottom(kGreen, kOrange, 16))), jpeg));
  EXPECT_EQ(jpeg.width(), 33);
  EXPECT_TRUE(ColourNear(jpeg, 30, 2, kGreen));
  EXPECT_TRUE(ColourNear(jpeg, 30, 29, kOrange));
}

// Luma 184 with both chroma codes at their centres is white in PhotoYCC.
TEST_F(SourceFormatTest, PhotoCdBaseImageConverts) {
  PixelBuffer jpeg;
  ASSERT_TRUE(ConvertAndDecode(Source("1.pcd", PhotoCd(184, 156, 137)), jpeg));
  EXPECT_EQ(jpeg.width(), 768);
  EXPECT_EQ(jpeg.height(), 512);
  EXPECT_TRUE(ColourNear(jpeg, 400, 300, {250, 250, 250}, 6));
}

// Only the size decides acceptance as PhotoCD; a large file that is no image pack is refused.
TEST_F(SourceFormatTest, LargeUnknownFileIsRefused) {
  Bytes bmp = Bmp8(1024, 1024);
  ASSERT_GE(bmp.size(), 1024u * 1024);
  std::string target = folder_ / "1.jpg";
  EXPECT_EQ(Convert(Source("1.bmp", bmp), target), kJpegSourceUnreadable);
  EXPECT_FALSE(FileExists(target));
}

}  // namespace
