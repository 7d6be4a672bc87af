// The rules behind saving a range: what the dialog's answer means and which frames a range
// covers.
#include <gtest/gtest.h>

#include "app/player/range_target.h"

namespace {

struct Choice {
  const char* path;
  int filterIndex;
  const char* saved;
  std::optional<VideoFormat> video;
};

TEST(RangeTarget, TheNameAndTheFilterGiveTheFileAndItsFormat) {
  const Choice choices[] = {
      {"C:\\a\\clip", 1, "C:\\a\\clip.vmrc", std::nullopt},
      {"C:\\a\\clip", 2, "C:\\a\\clip.mp4", VideoFormat::kMp4},
      {"C:\\a\\clip", 3, "C:\\a\\clip.gif", VideoFormat::kGif},
      {"C:\\a\\clip.", 2, "C:\\a\\clip.mp4", VideoFormat::kMp4},
      {"C:\\a\\clip", 0, "C:\\a\\clip.vmrc", std::nullopt},
      {"C:\\a\\clip", 9, "C:\\a\\clip.vmrc", std::nullopt},
      // The name's own extension wins over the filter.
      {"C:\\a\\clip.GIF", 1, "C:\\a\\clip.GIF", VideoFormat::kGif},
      {"C:\\a\\clip.Mp4", 3, "C:\\a\\clip.Mp4", VideoFormat::kMp4},
      {"C:\\a\\clip.vmrc", 2, "C:\\a\\clip.vmrc", std::nullopt},
      // Another extension keeps its name and takes the filter's format.
      {"C:\\a\\clip.dat", 3, "C:\\a\\clip.dat", VideoFormat::kGif},
      // A dot in a folder's name is no extension.
      {"C:\\v1.2\\clip", 2, "C:\\v1.2\\clip.mp4", VideoFormat::kMp4},
      {"C:/v1.2/录像", 1, "C:/v1.2/录像.vmrc", std::nullopt},
  };
  for (const Choice& choice : choices) {
    const RangeTarget target = TargetOfChoice(choice.path, choice.filterIndex);
    EXPECT_EQ(target.path, choice.saved) << choice.path << " with filter " << choice.filterIndex;
    EXPECT_EQ(target.video, choice.video) << choice.path << " with filter " << choice.filterIndex;
  }
}

TEST(RangeTarget, ARangeIsCutToTheRecordingsFrames) {
  EXPECT_EQ(RangeWithin(3, 7, 10)->first, 3);
  EXPECT_EQ(RangeWithin(3, 7, 10)->count(), 5);
  EXPECT_EQ(RangeWithin(0, 99, 10)->first, 1);
  EXPECT_EQ(RangeWithin(0, 99, 10)->last, 10);
  EXPECT_EQ(RangeWithin(5, 5, 10)->count(), 1);
  EXPECT_FALSE(RangeWithin(7, 3, 10));
  EXPECT_FALSE(RangeWithin(1, 10, 0));
  EXPECT_FALSE(RangeWithin(11, 12, 10));
}

}  // namespace
