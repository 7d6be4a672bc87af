// The save codes its frames on a thread of its own: each file must be byte for byte what the
// straightforward conversion on the calling thread writes, frame after frame, and a failure must
// come back for the frame that failed, with its bitmap.
#include "app/recorder/frame_encoder.h"

#include <gtest/gtest.h>

#include "components/imaging/imaging.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

Bytes Frame(int n) {
  const Pixel left{static_cast<uint8_t>(20 * n), 200, 40}, right{30, static_cast<uint8_t>(90 + n), 220};
  return TwoColourFrame(819 - n, 614, left, right);
}

TEST(FrameEncoder, FramesCodedAsideAreTheJpegsOfTheStraightforwardConversion) {
  TempFolder folder;
  {
    FrameEncoder encoder(80);
    for (int n = 1; n <= 6; ++n) {
      Bytes bitmap = Frame(n);
      ASSERT_EQ(ConvertBitmapToJpeg(bitmap, folder / (std::to_string(n) + "-here.jpg"), 80, true, 0), kJpegWritten);
      if (n > 1) {
        ASSERT_EQ(encoder.Finish(), kJpegWritten);
      }
      encoder.Start(bitmap, folder / (std::to_string(n) + ".jpg"));
      if (n > 1) {
        EXPECT_EQ(bitmap, Frame(n - 1)) << "the buffer of the frame coded before comes back";
      }
    }
    EXPECT_EQ(encoder.Finish(), kJpegWritten);
  }
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(ReadBytes(folder / (std::to_string(n) + ".jpg")), ReadBytes(folder / (std::to_string(n) + "-here.jpg")))
        << "frame " << n;
  }
}

TEST(FrameEncoder, AFailureComesBack) {
  TempFolder folder;
  FrameEncoder encoder(80);
  Bytes bitmap = Frame(1);
  encoder.Start(bitmap, folder / "missing\\1.jpg");
  EXPECT_EQ(encoder.Finish(), kJpegWriteFailed);
  Bytes nothing;
  encoder.Start(nothing, folder / "2.jpg");
  EXPECT_EQ(encoder.Finish(), kJpegSourceUnreadable);
}

TEST(FrameEncoder, EndsWhileAFrameIsStillBeingCoded) {
  TempFolder folder;
  {
    FrameEncoder encoder(100);
    Bytes bitmap = Frame(3);
    encoder.Start(bitmap, folder / "last.jpg");
  }
  EXPECT_TRUE(FileExists(folder / "last.jpg")) << "the encoder finished the frame before it ended";
}

}  // namespace
