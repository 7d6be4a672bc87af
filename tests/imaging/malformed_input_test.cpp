#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>

#include "tests/imaging/conversion_fixture.h"

namespace {

class MalformedInputTest : public ConversionTest {
 protected:
  // Every damaged file is refused with -3 and leaves no target.
  void ExpectRefused(const std::string& name, const Bytes& bytes) {
    std::string target = folder_ / "damaged.jpg";
    EXPECT_EQ(Convert(Source("damaged", bytes), target), kJpegSourceUnreadable) << name;
    EXPECT_FALSE(FileExists(target)) << name;
  }

  Bytes GoodJpeg() {
    EXPECT_EQ(Convert(Source("good.bmp", Bmp24(32, 32, Noise)), folder_ / "good.jpg"), kJpegWritten);
    return ReadBytes(folder_ / "good.jpg");
  }

  Bytes GoodTiff() {
    EXPECT_TRUE(WriteTiff(folder_ / "good.tif", 32, 32, Noise));
    return ReadBytes(folder_ / "good.tif");
  }
};

Bytes Cut(Bytes bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

// `bytes` followed by the last `count` bytes of `from`.
Bytes WithTail(Bytes bytes, const Bytes& from, size_t count) {
  bytes.insert(bytes.end(), from.end() - static_cast<std::ptrdiff_t>(count), from.end());
  return bytes;
}

Bytes With32(Bytes bytes, size_t offset, uint32_t value) {
  Put32(bytes, offset, value);
  return bytes;
}

Bytes WithByte(Bytes bytes, size_t offset, uint8_t value) {
  bytes.at(offset) = value;
  return bytes;
}

// Offset of the first JPEG marker FF `code`.
size_t MarkerAt(const Bytes& jpeg, uint8_t code) {
  for (size_t at = 2; at + 1 < jpeg.size(); ++at) {
    if (jpeg[at] == 0xFF && jpeg[at + 1] == code) return at;
  }
  ADD_FAILURE() << "no marker " << int{code};
  return 0;
}

Bytes WithBigEndian16(Bytes bytes, size_t offset, uint16_t value) {
  bytes.at(offset) = static_cast<uint8_t>(value >> 8);
  bytes.at(offset + 1) = static_cast<uint8_t>(value);
  return bytes;
}

// The PNG header chunk with one 32-bit field changed and its checksum made right again, so that
// only the value itself is wrong.
Bytes WithPngHeaderField(Bytes png, size_t offset, uint32_t value) {
  for (int shift = 0; shift < 4; ++shift) png.at(offset + shift) = static_cast<uint8_t>(value >> (24 - 8 * shift));
  uint32_t crc = static_cast<uint32_t>(crc32(0, png.data() + 12, 17));
  for (int shift = 0; shift < 4; ++shift) png.at(29 + shift) = static_cast<uint8_t>(crc >> (24 - 8 * shift));
  return png;
}

TEST_F(MalformedInputTest, DamagedBmpIsRefused) {
  Bytes bmp = Bmp24(3, 4, Noise);
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"file header cut", Cut(bmp, 13)},
      {"info header cut", Cut(bmp, 30)},
      {"last row one byte short", Cut(bmp, bmp.size() - 1)},
      {"no pixel data", Cut(bmp, 54)},
      {"width 0", With32(bmp, 18, 0)},
      {"negative width", With32(bmp, 18, static_cast<uint32_t>(-3))},
      {"height 0", With32(bmp, 22, 0)},
      {"huge width", With32(bmp, 18, 0x7FFFFFFF)},
      {"huge height", With32(bmp, 22, 0x7FFFFFFF)},
      {"most negative height", With32(bmp, 22, 0x80000000)},
      {"wide and tall enough to overflow 32 bits", With32(With32(bmp, 18, 0x10000), 22, 0x10000)},
      {"pixel offset past the end", With32(bmp, 10, 0xFFFFFFFF)},
      {"pixel offset just short of the rows", With32(bmp, 10, static_cast<uint32_t>(bmp.size() - 47))},
      {"info header size 0", With32(bmp, 14, 0)},
      {"info header size 13", With32(bmp, 14, 13)},
      {"info header larger than the file", With32(bmp, 14, 124)},
      {"compression 4", With32(bmp, 30, 4)},
      {"32 bits per pixel", WithByte(bmp, 28, 32)},
      {"0 bits per pixel", WithByte(bmp, 28, 0)},
      {"neither BM nor BA", WithByte(bmp, 1, 'X')},
      {"OS/2 header of width 0", With32(With32(bmp, 14, 12), 18, 0x00040000)},
      {"OS/2 header with rows past the end", With32(With32(bmp, 14, 12), 18, 0xFFFFFFFF)},
  };
  for (const auto& [name, bytes] : cases) ExpectRefused(name, bytes);
}

TEST_F(MalformedInputTest, DamagedJpegIsRefused) {
  Bytes jpeg = GoodJpeg();
  ASSERT_GT(jpeg.size(), 600u);
  size_t frame = MarkerAt(jpeg, 0xC0);
  size_t huffman = MarkerAt(jpeg, 0xC4);
  size_t quantization = MarkerAt(jpeg, 0xDB);
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"only the start marker", Cut(jpeg, 2)},
      {"cut in the headers", Cut(jpeg, frame + 6)},
      {"height 0", WithBigEndian16(jpeg, frame + 5, 0)},
      {"width 0", WithBigEndian16(jpeg, frame + 7, 0)},
      {"width beyond the JPEG limit", WithBigEndian16(jpeg, frame + 7, 65535)},
      {"two components", WithByte(jpeg, frame + 9, 2)},
      {"four components", WithByte(jpeg, frame + 9, 4)},
      {"Huffman code counts overflow", WithByte(jpeg, huffman + 6, 0xFF)},
      {"quantization table number 5", WithByte(jpeg, quantization + 4, 5)},
      {"frame length past the end", WithBigEndian16(jpeg, frame + 2, 0xFFFF)},
  };
  for (const auto& [name, bytes] : cases) ExpectRefused(name, bytes);
}

// What libjpeg only warns about still gives a picture of the full size: the end marker missing,
// bytes before it, a scan cut short. The rows the data holds show the picture; the rest is grey.
TEST_F(MalformedInputTest, DamagedJpegConvertsWhatDecodes) {
  const Rgb red{220, 30, 30};
  const Rgb blue{30, 30, 220};
  ASSERT_EQ(Convert(Source("two.bmp", Bmp24(64, 64, TopAndBottom(red, blue, 32))), folder_ / "two.jpg", 95), kJpegWritten);
  const Bytes jpeg = ReadBytes(folder_ / "two.jpg");
  Bytes extraneous = Cut(jpeg, jpeg.size() - 2);
  for (char c : std::string("extraneous")) extraneous.push_back(static_cast<uint8_t>(c));
  extraneous = WithTail(extraneous, jpeg, 2);
  struct Damaged {
    std::string name;
    Bytes bytes;
    bool bottomKept;
  };
  const std::vector<Damaged> cases = {
      {"end marker missing", Cut(jpeg, jpeg.size() - 2), true},
      {"bytes before the end marker", extraneous, true},
      {"cut in the scan", Cut(jpeg, MarkerAt(jpeg, 0xDA) + (jpeg.size() - MarkerAt(jpeg, 0xDA)) / 2), false},
  };
  for (const Damaged& damaged : cases) {
    const std::string target = folder_ / "shown.jpg";
    ASSERT_EQ(Convert(Source("damaged", damaged.bytes), target), kJpegWritten) << damaged.name;
    PixelBuffer shown;
    ASSERT_TRUE(DecodeJpegFile(target, shown)) << damaged.name;
    EXPECT_EQ(shown.width(), 64) << damaged.name;
    EXPECT_EQ(shown.height(), 64) << damaged.name;
    EXPECT_TRUE(ColourNear(shown, 10, 4, red)) << damaged.name;
    if (damaged.bottomKept) {
      EXPECT_TRUE(ColourNear(shown, 50, 60, blue)) << damaged.name;
    }
  }
}

TEST_F(MalformedInputTest, DamagedPngIsRefused) {
  Bytes png = Png(32, 32, Noise, [](int, int) { return uint8_t{255}; });
  ASSERT_GT(png.size(), 200u);
  Bytes badChecksum = png;
  badChecksum[png.size() / 2] ^= 0x01;
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"only the signature", Cut(png, 8)},
      {"header chunk cut", Cut(png, 20)},
      {"image data cut", Cut(png, png.size() / 2)},
      {"width 0", WithPngHeaderField(png, 16, 0)},
      {"height 0", WithPngHeaderField(png, 20, 0)},
      {"huge width", WithPngHeaderField(png, 16, 0x7FFFFFFF)},
      {"wider than a JPEG can be", WithPngHeaderField(png, 16, 70000)},
      {"more pixels than the limit", WithPngHeaderField(WithPngHeaderField(png, 16, 65000), 20, 65000)},
      {"one bit flipped in the image data", badChecksum},
  };
  for (const auto& [name, bytes] : cases) ExpectRefused(name, bytes);
}

TEST_F(MalformedInputTest, DamagedPcxTiffAndPhotoCdAreRefused) {
  const Rgb palette[4] = {kRed, kGreen, kBlue, kOrange};
  Bytes pcx = Pcx8(32, 32, palette);
  Bytes tiff = GoodTiff();
  Bytes notAnImagePack = PhotoCd(184, 156, 137);
  notAnImagePack[0x800] = 'X';
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"PCX header cut", Cut(pcx, 100)},
      {"PCX palette picture's runs cut before the palette", WithTail(Cut(pcx, 200), pcx, 769)},
      {"PCX true-colour picture's runs cut", Cut(Pcx24(32, 32, Noise), 300)},
      {"PCX palette marker missing", WithByte(pcx, pcx.size() - 769, 0)},
      {"PCX largest x below smallest x", WithByte(WithByte(pcx, 4, 40), 5, 0)},
      {"PCX lines shorter than the width", WithByte(WithByte(pcx, 66, 4), 67, 0)},
      {"PCX of two 4-bit planes", WithByte(WithByte(pcx, 3, 4), 65, 2)},
      {"TIFF cut after its header", Cut(tiff, 8)},
      {"TIFF directory past the end", With32(tiff, 4, 0x7FFFFFF0)},
      {"TIFF strips cut", Cut(tiff, tiff.size() / 3)},
      {"large file without the image pack name", notAnImagePack},
  };
  for (const auto& [name, bytes] : cases) ExpectRefused(name, bytes);
}

TEST_F(MalformedInputTest, EmptyFileIsRefused) { ExpectRefused("empty", {}); }

// Random damage: whatever a conversion makes of it, it answers 1 (and the target is a JPEG) or -3.
TEST_F(MalformedInputTest, RandomDamageNeverBreaksTheConversion) {
  const Rgb palette[4] = {kRed, kGreen, kBlue, kOrange};
  const std::vector<Bytes> goodFiles = {Bmp24(8, 8, Noise), GoodJpeg(), Png(8, 8, Noise, [](int, int) { return uint8_t{128}; }),
                                        GoodTiff(), Pcx8(8, 8, palette), Pcx24(8, 8, Noise)};
  std::mt19937 random(20240601);
  std::string target = folder_ / "damaged.jpg";
  for (const Bytes& good : goodFiles) {
    for (int round = 0; round < 60; ++round) {
      Bytes damaged = good;
      for (int change = 0; change < 3; ++change) damaged[random() % damaged.size()] ^= static_cast<uint8_t>(1 << (random() % 8));
      int result = Convert(Source("damaged", damaged), target);
      ASSERT_TRUE(result == kJpegWritten || result == kJpegSourceUnreadable) << result;
      if (result == kJpegWritten) {
        PixelBuffer jpeg;
        EXPECT_TRUE(DecodeJpegFile(target, jpeg));
      }
    }
  }
}

}  // namespace
