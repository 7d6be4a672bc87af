// The short ways a saved frame takes, held against the long ones they replace: a 24-bit BMP
// encoded from its own rows gives the JPEG bytes of the decoded-buffer route, and pictures
// decoded straight into blue, green, red rows carry the very values the pixel buffer gets.
#include <gtest/gtest.h>

#include <vector>

#include "components/imaging/decoders.h"
#include "components/imaging/jpeg_encoder.h"
#include "tests/imaging/conversion_fixture.h"

namespace {

// Rows in memory, as a bitmap keeps them: stride padded to 4 bytes. A refusing target answers
// no rows at all.
class MemoryRows : public BgrRows {
 public:
  explicit MemoryRows(bool refuse = false) : refuse_(refuse) {}
  uint8_t* Rows(int width, int height, size_t& stride) override {
    if (refuse_) return nullptr;
    width_ = width;
    height_ = height;
    stride = stride_ = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    bytes_.assign(stride_ * static_cast<size_t>(height), 0xCD);
    return bytes_.data();
  }
  // Pixel (x, y) read back as red, green, blue.
  Rgb At(int x, int y) const {
    const uint8_t* pixel = bytes_.data() + stride_ * static_cast<size_t>(y) + static_cast<size_t>(x) * 3;
    return {pixel[2], pixel[1], pixel[0]};
  }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  bool refuse_;
  std::vector<uint8_t> bytes_;
  size_t stride_ = 0;
  int width_ = 0;
  int height_ = 0;
};

Rgb PixelOf(const PixelBuffer& pixels, int x, int y) {
  const uint8_t* row = pixels.row(y);
  if (pixels.bitsPerPixel() == 8) return pixels.palette()[row[x]];
  return {row[3 * x], row[3 * x + 1], row[3 * x + 2]};
}

// Every pixel of the rows equals the buffer's.
testing::AssertionResult SamePixels(const MemoryRows& rows, const PixelBuffer& pixels) {
  if (rows.width() != pixels.width() || rows.height() != pixels.height()) {
    return testing::AssertionFailure() << "size " << rows.width() << "x" << rows.height();
  }
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) {
      const Rgb a = rows.At(x, y), b = PixelOf(pixels, x, y);
      if (a.red != b.red || a.green != b.green || a.blue != b.blue) {
        return testing::AssertionFailure() << "pixel " << x << ", " << y;
      }
    }
  }
  return testing::AssertionSuccess();
}

ByteSpan Span(const Bytes& bytes) { return ByteSpan(bytes.data(), bytes.size()); }

using InPlaceRowsTest = ConversionTest;

// Odd widths pad their rows; both row orders of the file.
TEST_F(InPlaceRowsTest, ABmpEncodedFromItsOwnRowsGivesTheBytesOfTheDecodedRoute) {
  for (bool topDown : {false, true}) {
    for (int width : {1, 3, 33, 640}) {
      const Bytes bmp = Bmp24(width, 37, Noise, topDown);
      const std::string source = Source("frame.bmp", bmp);
      ASSERT_EQ(Convert(source, folder_ / "short.jpg"), kJpegWritten);
      PixelBuffer pixels;
      ASSERT_TRUE(DecodeBmp(Span(bmp), pixels));
      ASSERT_TRUE(WriteJpeg(folder_ / "long.jpg", RowsOf(pixels), {80, true, 0}));
      EXPECT_EQ(ReadBytes(folder_ / "short.jpg"), ReadBytes(folder_ / "long.jpg")) << width << (topDown ? " top-down" : "");
    }
  }
}

TEST_F(InPlaceRowsTest, BmpRowsCarryTheDecodedValues) {
  for (bool topDown : {false, true}) {
    const Bytes bmp = Bmp24(45, 29, Noise, topDown);
    PixelBuffer pixels;
    ASSERT_TRUE(DecodeBmp(Span(bmp), pixels));
    MemoryRows rows;
    ASSERT_TRUE(DecodeBmpToBgr(Span(bmp), rows));
    EXPECT_TRUE(SamePixels(rows, pixels)) << (topDown ? "top-down" : "bottom-up");
  }
}

TEST_F(InPlaceRowsTest, JpegRowsCarryTheDecodedValuesInColourAndGrey) {
  const std::string source = Source("frame.bmp", Bmp24(123, 77, Noise));
  for (bool grey : {false, true}) {
    const std::string target = folder_ / (grey ? "grey.jpg" : "colour.jpg");
    ASSERT_EQ(ConvertToJpeg(source, target, grey, 80, true, 0), kJpegWritten);
    const Bytes jpeg = ReadBytes(target);
    PixelBuffer pixels;
    ASSERT_TRUE(DecodeJpeg(Span(jpeg), pixels));
    ASSERT_EQ(pixels.bitsPerPixel(), grey ? 8 : 24);
    MemoryRows rows;
    ASSERT_TRUE(DecodeJpegToBgr(Span(jpeg), rows));
    EXPECT_TRUE(SamePixels(rows, pixels)) << (grey ? "grey" : "colour");
  }
}

TEST_F(InPlaceRowsTest, ATargetThatGivesNoRowsFailsTheDecoding) {
  const Bytes bmp = Bmp24(8, 8, Noise);
  ASSERT_EQ(Convert(Source("frame.bmp", bmp), folder_ / "frame.jpg"), kJpegWritten);
  MemoryRows refusing(true);
  EXPECT_FALSE(DecodeBmpToBgr(Span(bmp), refusing));
  EXPECT_FALSE(DecodeJpegToBgr(Span(ReadBytes(folder_ / "frame.jpg")), refusing));
}

}  // namespace
