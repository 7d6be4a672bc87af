// ExportVideo as its callers meet it: real files in a temporary folder, read back box by box
// and block by block; every failure leaves nothing behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "components/video/video.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tests/video/container_reading.h"
#include "tests/video/synthetic_frames.h"

namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 64;

TEST(ExportVideo, AnMp4StartsWithItsIndexBeforeThePictures) {
  TempFolder folder;
  SyntheticFrames frames(kWidth, kHeight);
  ASSERT_EQ(ExportVideo(frames, 12, 10, folder / "动画.mp4", VideoFormat::kMp4, 80), kVideoWritten);
  const std::vector<std::string> boxes = Mp4TopBoxes(ReadBytes(folder / "动画.mp4"));
  ASSERT_GE(boxes.size(), 3u);
  EXPECT_EQ(boxes[0], "ftyp");
  EXPECT_EQ(boxes[1], "moov") << "the index comes first, so the video plays while it downloads";
  EXPECT_NE(std::find(boxes.begin(), boxes.end(), "mdat"), boxes.end());
  EXPECT_EQ(std::find(boxes.begin(), boxes.end(), "?"), boxes.end());
  EXPECT_EQ(ListFolder(folder.path()), std::vector<std::string>{"动画.mp4"}) << "no temporary file is left";
  EXPECT_EQ(frames.framesDone, 12);
  EXPECT_EQ(frames.lastPasses, 1);
}

TEST(ExportVideo, AGifLoopsForeverAtTenHundredthsAFrameWithOnePalette) {
  TempFolder folder;
  SyntheticFrames frames(kWidth, kHeight);
  ASSERT_EQ(ExportVideo(frames, 5, 10, folder / "a.gif", VideoFormat::kGif, 80), kVideoWritten);
  const GifFile gif = ReadGif(ReadBytes(folder / "a.gif"));
  ASSERT_TRUE(gif.valid);
  EXPECT_EQ(gif.width, kWidth);
  EXPECT_EQ(gif.height, kHeight);
  EXPECT_TRUE(gif.globalPalette);
  EXPECT_EQ(gif.loops, 0) << "0 repeats forever";
  ASSERT_EQ(gif.images.size(), 5u);
  // The encoder gives frame 1 the colours it uses as a table of its own too; the later frames
  // use the file's one palette, which lets them store only what changed.
  for (size_t i = 0; i < gif.images.size(); ++i) {
    EXPECT_EQ(gif.images[i].delay, 10);
    EXPECT_TRUE(i == 0 || !gif.images[i].localPalette) << "frame " << i + 1;
  }
  EXPECT_EQ(frames.framesDone, 10) << "two passes: the palette, then the file";
  EXPECT_EQ(frames.lastPasses, 2);
}

// The square moves 3 pixels a frame: a later frame stores only the strip that changed, with
// the unchanged pixels inside it transparent. A frame that equals the one before stores almost
// nothing.
TEST(ExportVideo, AGifStoresOnlyWhatChangedSinceTheFrameBefore) {
  TempFolder folder;
  SyntheticFrames frames(kWidth, kHeight);
  frames.standing = {2};  // frame 2 repeats frame 1
  ASSERT_EQ(ExportVideo(frames, 4, 10, folder / "a.gif", VideoFormat::kGif, 80), kVideoWritten);
  const GifFile gif = ReadGif(ReadBytes(folder / "a.gif"));
  ASSERT_EQ(gif.images.size(), 4u);
  EXPECT_EQ(gif.images[0].width, kWidth);
  EXPECT_EQ(gif.images[0].height, kHeight);
  EXPECT_LE(gif.images[1].width * gif.images[1].height, 4) << "an unchanged frame";
  for (int i = 2; i < 4; ++i) {
    const GifImage& image = gif.images[i];
    EXPECT_TRUE(image.transparentColour);
    EXPECT_GE(image.left, frames.SquareLeft(i) - 1) << "frame " << i + 1;
    EXPECT_LE(image.left + image.width, frames.SquareLeft(i + 1) + SyntheticFrames::kSquareSide + 1);
    EXPECT_GE(image.top, SyntheticFrames::kSquareTop - 1);
    EXPECT_LE(image.top + image.height, SyntheticFrames::kSquareTop + SyntheticFrames::kSquareSide + 1);
  }
}

TEST(ExportVideo, AnOddSizedMp4LosesItsLastColumnAndRowButAGifKeepsThem) {
  TempFolder folder;
  SyntheticFrames frames(kWidth + 1, kHeight + 1);
  EXPECT_EQ(ExportVideo(frames, 3, 10, folder / "odd.mp4", VideoFormat::kMp4, 80), kVideoWritten);
  EXPECT_EQ(Mp4TopBoxes(ReadBytes(folder / "odd.mp4")).at(1), "moov");
  ASSERT_EQ(ExportVideo(frames, 3, 10, folder / "odd.gif", VideoFormat::kGif, 80), kVideoWritten);
  const GifFile gif = ReadGif(ReadBytes(folder / "odd.gif"));
  EXPECT_EQ(gif.width, kWidth + 1);
  EXPECT_EQ(gif.height, kHeight + 1);
}

// Every failure: the result code, no file under the target's name or beside it, and a target
// that existed before is unchanged.
class ExportFailure : public testing::TestWithParam<VideoFormat> {
 protected:
  std::string Target() const { return folder_ / (GetParam() == VideoFormat::kMp4 ? "old.mp4" : "old.gif"); }
  void ExpectNothingLeft() const {
    EXPECT_EQ(ListFolder(folder_.path()), std::vector<std::string>{Target().substr(folder_.path().size() + 1)});
    EXPECT_EQ(ReadBytes(Target()), Bytes({'o', 'l', 'd'}));
  }
  void SetUp() override { WriteText(Target(), "old"); }

  TempFolder folder_;
};

TEST_P(ExportFailure, AFrameOfAnotherSize) {
  SyntheticFrames frames(kWidth, kHeight);
  frames.larger = {3};
  EXPECT_EQ(ExportVideo(frames, 4, 10, Target(), GetParam(), 80), kVideoFrameSizeDiffers);
  ExpectNothingLeft();
}

TEST_P(ExportFailure, AMissingFrame) {
  SyntheticFrames frames(kWidth, kHeight);
  frames.missing = {4};
  EXPECT_EQ(ExportVideo(frames, 4, 10, Target(), GetParam(), 80), kVideoFrameUnreadable);
  ExpectNothingLeft();
  frames.missing = {1};
  EXPECT_EQ(ExportVideo(frames, 4, 10, Target(), GetParam(), 80), kVideoFrameUnreadable);
  ExpectNothingLeft();
}

TEST_P(ExportFailure, ATargetInAFolderThatDoesNotExist) {
  SyntheticFrames frames(kWidth, kHeight);
  const std::string target = folder_ / (GetParam() == VideoFormat::kMp4 ? "无\\a.mp4" : "无\\a.gif");
  EXPECT_EQ(ExportVideo(frames, 2, 10, target, GetParam(), 80), kVideoTargetRefused);
  ExpectNothingLeft();
}

TEST_P(ExportFailure, ATargetThatIsAFolder) {
  SyntheticFrames frames(kWidth, kHeight);
  const std::string target = folder_ / "folder";
  ASSERT_TRUE(MakeFolder(target));
  EXPECT_EQ(ExportVideo(frames, 2, 10, target, GetParam(), 80), kVideoTargetRefused);
  EXPECT_TRUE(FolderExists(target));
  RemoveTree(target);
  ExpectNothingLeft();
}

TEST_P(ExportFailure, BadArguments) {
  SyntheticFrames frames(kWidth, kHeight);
  EXPECT_EQ(ExportVideo(frames, 0, 10, Target(), GetParam(), 80), kVideoBadArgument);
  EXPECT_EQ(ExportVideo(frames, 2, 0, Target(), GetParam(), 80), kVideoBadArgument);
  EXPECT_EQ(ExportVideo(frames, 2, 61, Target(), GetParam(), 80), kVideoBadArgument);
  EXPECT_EQ(ExportVideo(frames, 2, 10, Target(), GetParam(), 0), kVideoBadArgument);
  EXPECT_EQ(ExportVideo(frames, 2, 10, Target(), GetParam(), 101), kVideoBadArgument);
  EXPECT_EQ(ExportVideo(frames, 2, 10, "", GetParam(), 80), kVideoBadArgument);
  EXPECT_EQ(frames.framesDone, 0);
  ExpectNothingLeft();
}

INSTANTIATE_TEST_SUITE_P(BothFormats, ExportFailure, testing::Values(VideoFormat::kMp4, VideoFormat::kGif),
                         [](const testing::TestParamInfo<VideoFormat>& info) {
                           return info.param == VideoFormat::kMp4 ? std::string("Mp4") : std::string("Gif");
                         });

TEST(ExportVideo, AnMp4NeedsTwoPixelsEachWay) {
  TempFolder folder;
  SyntheticFrames frames(1, 40);
  EXPECT_EQ(ExportVideo(frames, 2, 10, folder / "thin.mp4", VideoFormat::kMp4, 80), kVideoBadArgument);
  EXPECT_TRUE(ListFolder(folder.path()).empty());
}

}  // namespace
