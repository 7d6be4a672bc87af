#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "components/services/wide_text.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

TEST(RecordingFile, FramesAreNamedByTheirDecimalNumber) {
  EXPECT_EQ(BitmapFrameName(1), "1.bmp");
  EXPECT_EQ(JpegFrameName(10), "10.jpg");
  EXPECT_EQ(JpegFrameName(123), "123.jpg");
  EXPECT_EQ(BitmapFrameName(2147483647), "2147483647.bmp");
}

TEST(RecordingFile, FramePathsUseTheSeparatorOfTheirWriterOrReader) {
  EXPECT_EQ(CapturedFramePath("C:\\Temp\\greentemp", 7), "C:\\Temp\\greentemp/7.bmp");
  EXPECT_EQ(ConvertedFramePath("C:\\Temp\\greentemp", 7), "C:\\Temp\\greentemp/7.jpg");
  EXPECT_EQ(PlayedFramePath("C:\\Temp\\1a2b.tmp", 25), "C:\\Temp\\1a2b.tmp\\25.jpg");
}

TEST(RecordingFile, FramesWrittenByTheRecorderAreFoundByThePlayer) {
  TempFolder temp;
  for (int frame = 1; frame <= 3; ++frame) {
    ASSERT_TRUE(WriteText(CapturedFramePath(temp.path(), frame), "bitmap"));
    ASSERT_TRUE(WriteText(ConvertedFramePath(temp.path(), frame), "jpeg"));
  }
  EXPECT_EQ(ParseFrameName(Widen(BitmapFrameName(3))).number, 3) << "the take's own names read as frames";
  EXPECT_EQ(ReadBytes(PlayedFramePath(temp.path(), 3)), ReadBytes(temp / "3.jpg"));
  EXPECT_EQ(CountFrameFiles(temp.path()), 3);
}

TEST(RecordingFile, EveryRootLevelJpgFileCountsAsAFrame) {
  TempFolder temp;
  std::string folder = temp / "录像";
  ASSERT_TRUE(MakeFolder(folder));
  for (const char* counted : {"1.jpg", "2.JPG", "3.jpg", "cover.jpg", ".jpg"})
    ASSERT_TRUE(WriteText(folder + "\\" + counted, "x"));
  // Left-over bitmaps, other extensions, and a name whose short 8.3 form ends in .JPG.
  for (const char* ignored : {"4.bmp", "5.jpeg", "6.jpg.bmp", "notes.jpgx"})
    ASSERT_TRUE(WriteText(folder + "\\" + ignored, "x"));
  ASSERT_TRUE(MakeFolder(folder + "\\frames"));
  ASSERT_TRUE(WriteText(folder + "\\frames\\1.jpg", "x"));
  ASSERT_TRUE(MakeFolder(folder + "\\7.jpg"));

  EXPECT_EQ(CountFrameFiles(folder), 5);
}

TEST(RecordingFile, AnEmptyOrMissingFolderHoldsNoFrames) {
  TempFolder temp;
  EXPECT_EQ(CountFrameFiles(temp.path()), 0);
  EXPECT_EQ(CountFrameFiles(temp / "missing"), 0);
  EXPECT_EQ(CountFrameFiles(""), 0);
}

TEST(RecordingFile, FramesShowTenToTheSecond) {
  EXPECT_EQ(FrameSeconds(25, kDefaultFrameRate), 2.5);
  EXPECT_EQ(FrameSecondsText(0, kDefaultFrameRate), "0");
  EXPECT_EQ(FrameSecondsText(1, kDefaultFrameRate), "0.1");
  EXPECT_EQ(FrameSecondsText(10, kDefaultFrameRate), "1");
  EXPECT_EQ(FrameSecondsText(15, kDefaultFrameRate), "1.5");
  EXPECT_EQ(FrameSecondsText(123, kDefaultFrameRate), "12.3");
  EXPECT_EQ(FrameSecondsText(1000, kDefaultFrameRate), "100");
  EXPECT_EQ(FrameSecondsText(32767, kDefaultFrameRate), "3276.7");
}

// The rate entry's text, frame slots at rates whose period is no whole number of microseconds,
// and the seconds the user reads.
TEST(RecordingFile, FrameRateRules) {
  const std::pair<std::string_view, int> entries[] = {
      {"30\r\n", 30}, {" \t20 \n", 20}, {"1", 1},  {"60", 60},  {"61", 0}, {"0", 0},     {"08", 0},
      {"-5", 0},     {"+5", 0},        {"1 5", 0}, {"15x", 0},  {"", 0},   {"\r\n", 0}, {"99999999999", 0},
      {{"15\0", 3}, 0}};
  for (const auto& [text, rate] : entries) EXPECT_EQ(ParseFrameRateEntry(text), rate) << text;
  for (const int rate : {15, 30}) {
    for (int frame = 1; frame <= 3 * rate + 1; ++frame) {
      EXPECT_EQ(FrameSlotAt(FrameStartMicroseconds(frame, rate), rate), frame) << frame << " at " << rate;
      EXPECT_EQ(FrameSlotAt(FrameStartMicroseconds(frame + 1, rate) - 1, rate), frame) << frame << " at " << rate;
    }
  }
  const std::tuple<int, int, const char*> texts[] = {{16, 15, "1"}, {17, 15, "1.1"}, {40, 15, "2.6"}, {29, 30, "0.9"}};
  for (const auto& [frames, rate, text] : texts) EXPECT_EQ(FrameSecondsText(frames, rate), text);
  EXPECT_TRUE(IsFrameRateEntry("FrameRate.TXT"));
  EXPECT_FALSE(IsFrameRateEntry("x\\framerate.txt"));
}
