// Lean frames as the recorder meets them: a take's frames coded one after the other into files,
// read back and decoded against the frame held before, and the damaged files a crash or a
// hostile disk leaves.
#include "components/imaging/lean_frame.h"

#include <gtest/gtest.h>

#include <string>

#include "components/imaging/bmp_file.h"
#include "tests/hostile/campaign_limits.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/temp_folder.h"

namespace {

// Part of a frame in pixels, `bottom` counted from the bottom row as the rows are stored.
struct Area {
  int left;
  int bottom;
  int width;
  int height;
};

// Sets each pixel of the area, blue, green and red, to `pixel(x, y, bgr)`.
template <typename Pixel>
void Paint(FrameShape shape, Bytes& rows, Area area, Pixel pixel) {
  for (int y = area.bottom; y < area.bottom + area.height; ++y) {
    for (int x = area.left; x < area.left + area.width; ++x) pixel(x, y, &rows[y * BmpRowSize(shape.width) + 3 * x]);
  }
}

// Flat window colours with lines of text-like marks, as a still desktop shows; `scroll` moves
// the marks up.
Bytes Desktop(FrameShape shape, int scroll = 0) {
  Bytes rows(BmpRowSize(shape.width) * shape.height, 0);
  Paint(shape, rows, {0, 0, shape.width, shape.height}, [scroll](int x, int y, uint8_t* bgr) {
    y += scroll;
    const bool window = (x / 300 + y / 200) % 2 == 1, mark = y % 16 < 10 && x % 9 < 6 && (x * 7 + y * 3) % 5 < 2;
    bgr[0] = mark ? 0 : window ? 240 : 120;
    bgr[1] = mark ? 0 : window ? 240 : 80;
    bgr[2] = mark ? 0 : 30;
  });
  return rows;
}

// Noise over the area, another for each seed.
void PaintNoise(FrameShape shape, Bytes& rows, Area area, uint32_t seed) {
  Paint(shape, rows, area, [&seed](int, int, uint8_t* bgr) {
    for (int c = 0; c < 3; ++c) {
      seed ^= seed << 13;
      seed ^= seed >> 17;
      seed ^= seed << 5;
      bgr[c] = static_cast<uint8_t>(seed);
    }
  });
}

Bytes Noise(FrameShape shape, uint32_t seed) {
  Bytes rows(BmpRowSize(shape.width) * shape.height, 0);
  PaintNoise(shape, rows, {0, 0, shape.width, shape.height}, seed);
  return rows;
}

// A take: each frame coded against the one before into a file of its own, that file's bytes
// read back, found whole from its head and tail and decoded onto the frame held.
class LeanFrameTake : public testing::Test {
 protected:
  Bytes Code(FrameShape shape, const Bytes& rows, bool whole = false) {
    const bool first = number_ == 0 || whole;
    Bytes file;
    EXPECT_TRUE(encoder_.Encode(shape, rows, first ? ByteSpan() : ByteSpan(previous_), first ? 0 : number_, file));
    const std::string path = folder_ / ("frame-" + std::to_string(++number_) + ".vlf");
    EXPECT_TRUE(WriteBytes(path, file));
    const Bytes read = ReadBytes(path);
    EXPECT_TRUE(IsWholeLeanFrame(read.data(), kLeanFrameHeadSize, read.data() + read.size() - kLeanFrameTailSize,
                                 kLeanFrameTailSize, read.size()));
    LeanFrameHead head;
    EXPECT_TRUE(ReadLeanFrameHead(read.data(), kLeanFrameHeadSize, head));
    EXPECT_EQ(head.baseNumber, first ? 0 : number_ - 1);
    FrameShape decodedShape;
    EXPECT_TRUE(decoder_.Decode(read, number_ - 1, decodedShape, held_));
    EXPECT_EQ(decodedShape, shape);
    EXPECT_TRUE(held_ == rows) << "frame " << number_;
    previous_ = rows;
    return read;
  }

  TempFolder folder_;
  LeanFrameEncoder encoder_;
  LeanFrameDecoder decoder_;
  Bytes previous_;
  Bytes held_;
  int number_ = 0;
};

// Round trips: every byte of every frame comes back, odd shapes and a large screen included.

// Noise over the same area twice, then with a flat change elsewhere, makes a frame whose
// stream copies some tiles and deflates others.
TEST_F(LeanFrameTake, AChainOfFramesGivesBackEveryByteOfEachFrame) {
  for (FrameShape shape : {FrameShape{1, 1}, FrameShape{65, 3}, FrameShape{1001, 77}, FrameShape{1366, 768}}) {
    number_ = 0;
    const Area corner{0, 0, 1, 1}, half{shape.width / 2, shape.height / 2, (shape.width + 1) / 2, (shape.height + 1) / 2};
    Bytes rows = Desktop(shape);
    Code(shape, rows);
    PaintNoise(shape, rows, half, 1);
    Code(shape, rows);
    PaintNoise(shape, rows, half, 2);
    Paint(shape, rows, corner, [](int, int, uint8_t* bgr) { bgr[0] = bgr[1] = bgr[2] = 77; });
    Code(shape, rows);
    Code(shape, rows);
    Code(shape, Noise(shape, 3));
    Code(shape, Noise(shape, 4));
    Code(shape, Desktop(shape), true);
    Code(shape, Noise(shape, 5));
  }
}

TEST_F(LeanFrameTake, ALargeScreenComesBackWithThePointerAndAWindowMoved) {
  const FrameShape shape{3840, 2160};
  Bytes rows = Desktop(shape);
  Code(shape, rows);
  PaintNoise(shape, rows, {3820, 2140, 20, 20}, 1);
  Code(shape, rows);
  PaintNoise(shape, rows, {1000, 500, 300, 300}, 2);
  Code(shape, rows);
}

TEST_F(LeanFrameTake, AWholeFrameDecodedIntoAnEarlierBufferHasZeroPadding) {
  const FrameShape shape{65, 3};
  held_.assign(BmpRowSize(65) * 3, 0xEE);
  Code(shape, Desktop(shape));
}

// Sizes: a still desktop costs next to nothing, noise barely more than its rows.

TEST_F(LeanFrameTake, AStillDesktopIsSmallItsUnchangedFramesTinyAndThePointerAFewKilobytes) {
  const FrameShape shape{1920, 1080};
  Bytes rows = Desktop(shape);
  EXPECT_LT(Code(shape, rows).size(), rows.size() / 10);
  EXPECT_LT(Code(shape, rows).size(), 200u);
  PaintNoise(shape, rows, {1000, 600, 32, 32}, 1);
  EXPECT_LT(Code(shape, rows).size(), 8000u);
}

TEST_F(LeanFrameTake, NoiseCostsAtMostThreeThousandthsAboveItsRows) {
  const FrameShape shape{1920, 1080};
  for (uint32_t seed : {1, 2, 3}) {
    const Bytes rows = Noise(shape, seed);
    EXPECT_LE(Code(shape, rows).size(), rows.size() + rows.size() * 3 / 1000);
  }
}

// The tiles that noise left stored are deflated again as soon as they hold something that shrinks.
TEST_F(LeanFrameTake, AfterNoiseTheNextFramesOfAScrollingDesktopAreSmallAgain) {
  const FrameShape shape{1920, 1080};
  Code(shape, Noise(shape, 1));
  Code(shape, Noise(shape, 2));
  Code(shape, Desktop(shape, 1));
  EXPECT_LT(Code(shape, Desktop(shape, 2)).size(), Desktop(shape).size() / 10);
}

// Refusals: what does not fit is neither coded nor decoded.

TEST(LeanFrameEncoder, RefusesShapesAndSizesThatDoNotMatch) {
  const FrameShape shape{65, 3};
  const Bytes rows = Desktop(shape), shortRows(rows.size() - 1);
  LeanFrameEncoder encoder;
  Bytes file{1};
  EXPECT_FALSE(encoder.Encode({0, 3}, {}, {}, 0, file));
  EXPECT_FALSE(encoder.Encode({32768, 1}, Bytes(BmpRowSize(32768)), {}, 0, file));
  EXPECT_FALSE(encoder.Encode(shape, shortRows, {}, 0, file));
  EXPECT_FALSE(encoder.Encode(shape, rows, shortRows, 1, file));
  EXPECT_FALSE(encoder.Encode(shape, rows, rows, 0, file));
  EXPECT_FALSE(encoder.Encode(shape, rows, {}, 1, file));
  EXPECT_TRUE(file.empty());
}

class DamagedLeanFrame : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(encoder_.Encode(shape_, base_, {}, 0, whole_));
    Bytes rows = base_;
    PaintNoise(shape_, rows, {64, 1, 2, 2}, 1);
    ASSERT_TRUE(encoder_.Encode(shape_, rows, base_, 7, change_));
    ASSERT_EQ(whole_[5], 1);  // the payload method: deflated
    ASSERT_EQ(change_[5], 1);
  }
  bool Decodes(const Bytes& file, int heldNumber = 7) {
    Bytes rows = base_;
    FrameShape shape;
    return LeanFrameDecoder().Decode(file, heldNumber, shape, rows);
  }

  const FrameShape shape_{130, 5};
  const Bytes base_ = Desktop(shape_);
  LeanFrameEncoder encoder_;
  Bytes whole_;
  Bytes change_;
};

TEST_F(DamagedLeanFrame, EveryFileCutShortIsRefusedAndNotWhole) {
  for (const Bytes* file : {&whole_, &change_}) {
    ASSERT_TRUE(Decodes(*file));
    for (size_t size = 0; size < file->size(); ++size) {
      const Bytes cut(file->begin(), file->begin() + size);
      EXPECT_FALSE(Decodes(cut)) << size;
      const size_t tail = std::min(size, kLeanFrameTailSize);
      EXPECT_FALSE(IsWholeLeanFrame(cut.data(), size, cut.data() + size - tail, tail, size)) << size;
    }
  }
}

// Both files are deflated, so zlib's check sum catches what the head's fields do not.
TEST_F(DamagedLeanFrame, AFlippedByteAnywhereInADeflatedFrameIsRefused) {
  for (const Bytes* original : {&whole_, &change_}) {
    for (size_t at = 0; at < original->size(); ++at) {
      Bytes file = *original;
      file[at] ^= 0x5A;
      EXPECT_FALSE(Decodes(file)) << at;
    }
  }
}

TEST_F(DamagedLeanFrame, AChangeToAFrameOtherThanTheOneHeldIsRefused) {
  EXPECT_FALSE(Decodes(change_, 6));
  EXPECT_FALSE(Decodes(change_, 0));
  Bytes rows(3);
  FrameShape shape;
  EXPECT_FALSE(LeanFrameDecoder().Decode(change_, 7, shape, rows));
}

// A head stating a shape above the limits, or more rows than its payload could inflate to.
TEST_F(DamagedLeanFrame, AHugeStatedShapeIsRefusedWithoutReservingIt) {
  const double peakBefore = PeakWorkingSetMiB();
  for (uint16_t side : {32767, 16000}) {
    Bytes file = whole_;
    Put16(file, 8, side);
    Put16(file, 10, side);
    Put32(file, 20, static_cast<uint32_t>(((side + 63) / 64) * ((side + 63) / 64)));
    Bytes rows;
    FrameShape shape;
    EXPECT_FALSE(LeanFrameDecoder().Decode(file, 0, shape, rows));
    LeanFrameHead head;
    EXPECT_EQ(ReadLeanFrameHead(file.data(), file.size(), head), side == 16000);
  }
  EXPECT_LT(PeakWorkingSetMiB() - peakBefore, 32.0);
}

}  // namespace
