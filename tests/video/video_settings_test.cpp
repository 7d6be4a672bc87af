// The pure rules of a video export: stored sizes, what a quality percent means to each encoder,
// and the format a file name asks for.
#include <gtest/gtest.h>

#include "components/video/video_settings.h"

namespace {

TEST(StoredVideoSize, Mp4DropsAnOddLastColumnAndRow) {
  const auto size = StoredVideoSize(VideoFormat::kMp4, 819, 614);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 818);
  EXPECT_EQ(size->height, 614);
  const auto odd = StoredVideoSize(VideoFormat::kMp4, 205, 153);
  ASSERT_TRUE(odd);
  EXPECT_EQ(odd->width, 204);
  EXPECT_EQ(odd->height, 152);
}

TEST(StoredVideoSize, GifKeepsTheFrameSize) {
  const auto size = StoredVideoSize(VideoFormat::kGif, 819, 613);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 819);
  EXPECT_EQ(size->height, 613);
  EXPECT_TRUE(StoredVideoSize(VideoFormat::kGif, 1, 1));
}

TEST(StoredVideoSize, NoSizeWhenASideVanishesOrIsTooLarge) {
  EXPECT_FALSE(StoredVideoSize(VideoFormat::kMp4, 1, 100));
  EXPECT_FALSE(StoredVideoSize(VideoFormat::kMp4, 100, 1));
  EXPECT_FALSE(StoredVideoSize(VideoFormat::kGif, 0, 10));
  EXPECT_FALSE(StoredVideoSize(VideoFormat::kGif, 65536, 10));
  EXPECT_TRUE(StoredVideoSize(VideoFormat::kGif, 65535, 10));
}

TEST(H264Quantiser, FromVisuallyLosslessAtOneHundredToCoarseAtTwenty) {
  EXPECT_EQ(H264Quantiser(100), 14);
  EXPECT_EQ(H264Quantiser(80), 20);
  EXPECT_EQ(H264Quantiser(60), 26);
  EXPECT_EQ(H264Quantiser(40), 32);
  EXPECT_EQ(H264Quantiser(20), 38);
  EXPECT_EQ(H264Quantiser(1), 43);
  EXPECT_EQ(H264Quantiser(500), 14) << "out-of-range qualities are held to 1..100";
}

TEST(GifPaletteEntries, HalvedPerTwentyPercentBelowEighty) {
  EXPECT_EQ(GifPaletteEntries(100), 256);
  EXPECT_EQ(GifPaletteEntries(80), 256);
  EXPECT_EQ(GifPaletteEntries(60), 128);
  EXPECT_EQ(GifPaletteEntries(40), 64);
  EXPECT_EQ(GifPaletteEntries(20), 32);
  EXPECT_EQ(GifPaletteEntries(1), 16);
}

TEST(VideoFormatOfName, TheExtensionInAnyCaseOfLetters) {
  EXPECT_EQ(VideoFormatOfName("take.mp4"), VideoFormat::kMp4);
  EXPECT_EQ(VideoFormatOfName("C:\\录像\\TAKE.MP4"), VideoFormat::kMp4);
  EXPECT_EQ(VideoFormatOfName("take.Gif"), VideoFormat::kGif);
  EXPECT_FALSE(VideoFormatOfName("take.vmrc"));
  EXPECT_FALSE(VideoFormatOfName("take.mp4.txt"));
  EXPECT_FALSE(VideoFormatOfName("mp4"));
  EXPECT_FALSE(VideoFormatOfName(""));
}

}  // namespace
