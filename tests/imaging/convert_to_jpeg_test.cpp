#include <gtest/gtest.h>

#include "components/imaging/imaging.h"
#include "tests/imaging/conversion_fixture.h"

namespace {

using ArgumentsTest = ConversionTest;

TEST_F(ArgumentsTest, OutOfRangeValuesAreRefusedBeforeAnythingIsOpened) {
  std::string source = Source("1.bmp", Bmp24(16, 16, Noise));
  std::string target = Source("1.jpg", {'o', 'l', 'd'});
  EXPECT_EQ(ConvertToJpeg(source, target, false, 0, true, 0), kJpegBadArgument);
  EXPECT_EQ(ConvertToJpeg(source, target, false, 101, true, 0), kJpegBadArgument);
  EXPECT_EQ(ConvertToJpeg(source, target, false, 80, true, -1), kJpegBadArgument);
  EXPECT_EQ(ConvertToJpeg(source, target, false, 80, true, 101), kJpegBadArgument);
  EXPECT_EQ(ConvertToJpeg("", target, false, 80, true, 0), kJpegBadArgument);
  EXPECT_EQ(ConvertToJpeg(source, "", false, 80, true, 0), kJpegBadArgument);
  EXPECT_EQ(ReadBytes(target), (Bytes{'o', 'l', 'd'}));
}

TEST_F(ArgumentsTest, RangeEndsAreAccepted) {
  std::string source = Source("1.bmp", Bmp24(16, 16, Noise));
  EXPECT_EQ(ConvertToJpeg(source, folder_ / "1.jpg", false, 1, true, 100), kJpegWritten);
  EXPECT_EQ(ConvertToJpeg(source, folder_ / "2.jpg", false, 100, false, 0), kJpegWritten);
}

using BmpFrameTest = ConversionTest;

// The save converts each shrunk frame from memory: the JPEG must be the one the file gives,
// byte for byte, for padded and unpadded rows, bottom-up and top-down, at several qualities.
TEST_F(BmpFrameTest, ABitmapInMemoryGivesTheJpegItsFileGives) {
  int n = 0;
  for (const Bytes& bmp : {Bmp24(3, 32, TopAndBottom(kRed, kGreen, 16)), Bmp24(64, 48, Noise),
                           Bmp24(33, 17, Noise, true), Bmp24(819, 614, TopAndBottom(kOrange, kBlue, 300))}) {
    for (int quality : {20, 80, 100}) {
      const std::string name = std::to_string(++n);
      ASSERT_EQ(Convert(Source(name + ".bmp", bmp), folder_ / (name + "-file.jpg"), quality), kJpegWritten);
      ASSERT_EQ(ConvertBitmapToJpeg(bmp, folder_ / (name + "-memory.jpg"), quality, true, 0), kJpegWritten);
      EXPECT_EQ(ReadBytes(folder_ / (name + "-memory.jpg")), ReadBytes(folder_ / (name + "-file.jpg")))
          << "picture " << n << " at quality " << quality;
    }
  }
  EXPECT_EQ(ConvertBitmapToJpeg({}, folder_ / "empty.jpg", 80, true, 0), kJpegSourceUnreadable);
  EXPECT_EQ(ConvertBitmapToJpeg(Bmp24(8, 8, Noise), folder_ / "x.jpg", 0, true, 0), kJpegBadArgument);
  EXPECT_EQ(ConvertBitmapToJpeg(Bmp24(8, 8, Noise), folder_ / "missing\\x.jpg", 80, true, 0), kJpegWriteFailed);
  EXPECT_FALSE(FileExists(folder_ / "empty.jpg"));
}

// Width 3 pads every stored row from 9 to 12 bytes. Red over green; the comparisons keep away
// from the rows where JPEG's colour subsampling blends the two blocks.
TEST_F(BmpFrameTest, BottomUpRowsComeOutTopRowFirstWithRedAndBlueInPlace) {
  Bytes bmp = Bmp24(3, 32, TopAndBottom(kRed, kGreen, 16));
  ASSERT_EQ(bmp.size(), 54u + 12 * 32);
  EXPECT_EQ(bmp[bmp.size() - 12 + 2], 255) << "the last stored row is the top one, red stored last";
  PixelBuffer jpeg;
  ASSERT_TRUE(ConvertAndDecode(Source("1.bmp", bmp), jpeg));
  ASSERT_EQ(jpeg.width(), 3);
  ASSERT_EQ(jpeg.height(), 32);
  ASSERT_EQ(jpeg.bitsPerPixel(), 24);
  for (int x = 0; x < 3; ++x) {
    EXPECT_TRUE(ColourNear(jpeg, x, 2, kRed));
    EXPECT_TRUE(ColourNear(jpeg, x, 29, kGreen));
  }
}

TEST_F(BmpFrameTest, TopDownRowsAreNotFlipped) {
  PixelBuffer jpeg;
  ASSERT_TRUE(ConvertAndDecode(Source("1.bmp", Bmp24(32, 32, TopAndBottom(kBlue, kOrange, 16), true)), jpeg));
  EXPECT_TRUE(ColourNear(jpeg, 10, 2, kBlue));
  EXPECT_TRUE(ColourNear(jpeg, 10, 29, kOrange));
}

TEST_F(BmpFrameTest, ScreenSizedFrameKeepsItsSize) {
  std::string target = folder_ / "1.jpg";
  ASSERT_EQ(Convert(Source("1.bmp", Bmp24(1920, 1080, TopAndBottom(kOrange, kBlue, 540))), target), kJpegWritten);
  PixelBuffer jpeg;
  ASSERT_TRUE(DecodeJpegFile(target, jpeg));
  EXPECT_EQ(jpeg.width(), 1920);
  EXPECT_EQ(jpeg.height(), 1080);
  EXPECT_TRUE(ColourNear(jpeg, 1900, 10, kOrange));
  EXPECT_TRUE(ColourNear(jpeg, 5, 1070, kBlue));
}

TEST_F(BmpFrameTest, EightBitBmpIsRefused) {
  std::string target = folder_ / "1.jpg";
  EXPECT_EQ(Convert(Source("1.bmp", Bmp8(16, 16)), target), kJpegSourceUnreadable);
  EXPECT_FALSE(FileExists(target));
}

using TargetTest = ConversionTest;

TEST_F(TargetTest, MissingSourceGivesNoTarget) {
  std::string target = folder_ / "1.jpg";
  EXPECT_EQ(Convert(folder_ / "absent.bmp", target), kJpegSourceMissing);
  EXPECT_EQ(Convert(folder_ / "absent\\1.bmp", target), kJpegSourceMissing);
  EXPECT_FALSE(FileExists(target));
}

// The second picture is smaller: a target that were not truncated would keep the first one's tail.
TEST_F(TargetTest, ConvertingAgainReplacesTheTarget) {
  std::string target = folder_ / "1.jpg";
  ASSERT_EQ(Convert(Source("big.bmp", Bmp24(128, 128, Noise)), target), kJpegWritten);
  std::string small = Source("small.bmp", Bmp24(16, 16, TopAndBottom(kRed, kRed, 0)));
  ASSERT_EQ(Convert(small, target), kJpegWritten);
  ASSERT_EQ(Convert(small, folder_ / "fresh.jpg"), kJpegWritten);
  EXPECT_EQ(ReadBytes(target), ReadBytes(folder_ / "fresh.jpg"));
}

TEST_F(TargetTest, MissingTargetFolderFailsToWrite) {
  std::string target = folder_ / "absent\\1.jpg";
  EXPECT_EQ(Convert(Source("1.bmp", Bmp24(16, 16, Noise)), target), kJpegWriteFailed);
}

// The source is held against writers until the target is written.
TEST_F(TargetTest, TargetNamingTheSourceLeavesTheSourceIntact) {
  Bytes bmp = Bmp24(16, 16, Noise);
  std::string source = Source("1.bmp", bmp);
  EXPECT_EQ(Convert(source, source), kJpegWriteFailed);
  EXPECT_EQ(ReadBytes(source), bmp);
}

using EncoderSettingsTest = ConversionTest;

TEST_F(EncoderSettingsTest, QualityAndOptimisedCodingShrinkTheFile) {
  std::string source = Source("1.bmp", Bmp24(96, 96, Noise));
  ASSERT_EQ(ConvertToJpeg(source, folder_ / "q20.jpg", false, 20, true, 0), kJpegWritten);
  ASSERT_EQ(ConvertToJpeg(source, folder_ / "q95.jpg", false, 95, true, 0), kJpegWritten);
  ASSERT_EQ(ConvertToJpeg(source, folder_ / "plain.jpg", false, 95, false, 0), kJpegWritten);
  EXPECT_LT(ReadBytes(folder_ / "q20.jpg").size(), ReadBytes(folder_ / "q95.jpg").size());
  EXPECT_LT(ReadBytes(folder_ / "q95.jpg").size(), ReadBytes(folder_ / "plain.jpg").size());
}

TEST_F(EncoderSettingsTest, GrayscaleWritesOneComponentOfLuma) {
  std::string target = folder_ / "1.jpg";
  std::string source = Source("1.bmp", Bmp24(32, 32, TopAndBottom(kRed, kWhite, 16)));
  ASSERT_EQ(ConvertToJpeg(source, target, true, 90, true, 0), kJpegWritten);
  PixelBuffer jpeg;
  ASSERT_TRUE(DecodeJpegFile(target, jpeg));
  ASSERT_EQ(jpeg.bitsPerPixel(), 8);
  EXPECT_TRUE(ColourNear(jpeg, 5, 2, {76, 76, 76}, 6));
  EXPECT_TRUE(ColourNear(jpeg, 5, 29, kWhite, 6));
}

// libjpeg's large blocks are kept from one picture for the next: pictures converted one after
// another, of one size and of others, come out as each does on its own.
TEST_F(EncoderSettingsTest, PicturesConvertedInTurnComeOutAsEachAlone) {
  const std::string small = Source("small.bmp", Bmp24(64, 48, Noise));
  const std::string large = Source("large.bmp", Bmp24(800, 600, Noise));
  ASSERT_EQ(Convert(large, folder_ / "large1.jpg"), kJpegWritten);
  ASSERT_EQ(Convert(small, folder_ / "small1.jpg"), kJpegWritten);
  for (int round = 0; round < 3; ++round) {
    ASSERT_EQ(Convert(large, folder_ / "large2.jpg"), kJpegWritten);
    ASSERT_EQ(Convert(small, folder_ / "small2.jpg"), kJpegWritten);
    EXPECT_EQ(ReadBytes(folder_ / "large2.jpg"), ReadBytes(folder_ / "large1.jpg"));
    EXPECT_EQ(ReadBytes(folder_ / "small2.jpg"), ReadBytes(folder_ / "small1.jpg"));
  }
}

using PixelFileTest = ConversionTest;

// Decoded pixels live in the temporary folder: without one nothing can be decoded. A 24-bit
// BMP converted in colour (every saved frame) is read in place and needs no pixel file.
TEST_F(PixelFileTest, OnlyDecodedPixelsNeedTheTemporaryFolder) {
  std::string source = Source("1.bmp", Bmp24(16, 16, Noise));
  RemoveTree(pixelFolder_);
  EXPECT_EQ(ConvertToJpeg(source, folder_ / "grey.jpg", true, 90, true, 0), kJpegSourceUnreadable);
  EXPECT_FALSE(FileExists(folder_ / "grey.jpg"));
  EXPECT_EQ(Convert(source, folder_ / "1.jpg"), kJpegWritten);
  MakeFolder(pixelFolder_);
}

TEST_F(PixelFileTest, FileOfTheSameNameIsLeftAlone) {
  ownPixelFolderFiles_ = {"velmo-pixels-0.tmp"};
  ASSERT_TRUE(WriteText(pixelFolder_ + "\\velmo-pixels-0.tmp", "mine"));
  EXPECT_EQ(Convert(Source("1.bmp", Bmp24(16, 16, Noise)), folder_ / "1.jpg"), kJpegWritten);
  EXPECT_EQ(ReadBytes(pixelFolder_ + "\\velmo-pixels-0.tmp"), (Bytes{'m', 'i', 'n', 'e'}));
}

}  // namespace
