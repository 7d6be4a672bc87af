// The formats of SaveDialog's 组合框 and what the file dialog asks with for each.
#include <gtest/gtest.h>

#include <string>

#include "forms/save_formats.h"

namespace {

TEST(SaveFormats, TheRecordingFileFirstThenMp4AndGif) {
  ASSERT_EQ(SaveFormatCount(), 3);
  EXPECT_EQ(std::string(SaveFormatAt(0).item), "vmrc格式");
  EXPECT_EQ(std::string(SaveFormatAt(0).filter), "Velmo录屏文件(*.vmrc)|*.vmrc");
  EXPECT_EQ(std::string(SaveFormatAt(0).defaultExtension), "vmrc");
  EXPECT_FALSE(SaveFormatAt(0).video);
  EXPECT_EQ(std::string(SaveFormatAt(1).item), "mp4格式");
  EXPECT_EQ(std::string(SaveFormatAt(1).filter), "MP4视频(*.mp4)|*.mp4");
  EXPECT_EQ(std::string(SaveFormatAt(1).defaultExtension), "mp4");
  EXPECT_EQ(SaveFormatAt(1).video, VideoFormat::kMp4);
  EXPECT_EQ(std::string(SaveFormatAt(2).item), "gif格式");
  EXPECT_EQ(std::string(SaveFormatAt(2).filter), "GIF动画(*.gif)|*.gif");
  EXPECT_EQ(std::string(SaveFormatAt(2).defaultExtension), "gif");
  EXPECT_EQ(SaveFormatAt(2).video, VideoFormat::kGif);
}

TEST(SaveFormats, NoChoiceOrAnUnknownOneMeansTheRecordingFile) {
  EXPECT_EQ(&SaveFormatAt(-1), &SaveFormatAt(0));
  EXPECT_EQ(&SaveFormatAt(3), &SaveFormatAt(0));
}

}  // namespace
