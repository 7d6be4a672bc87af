#include "tests/recorder/frame_pictures.h"

#include <cstdlib>

#include "components/imaging/decoders.h"
#include "components/imaging/bmp_file.h"

Bytes TwoColourFrame(int width, int height, Pixel left, Pixel right) {
  Bytes file = BmpFileOfSize(width, height);
  const uint32_t rowBytes = BmpRowBytes(width);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = file.data() + kBmpHeadersSize + static_cast<size_t>(y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const Pixel c = x < width / 2 ? left : right;
      row[3 * x] = c.blue;
      row[3 * x + 1] = c.green;
      row[3 * x + 2] = c.red;
    }
  }
  return file;
}

namespace {

constexpr Pixel kSquareColours[] = {{230, 30, 30}, {30, 200, 40}, {30, 60, 230}, {240, 200, 20}, {200, 40, 200}};

Pixel MovingSquarePixel(int x, int y, int width, int height, int n) {
  const int squareLeft = 40 + 24 * n;
  if (x >= squareLeft && x < squareLeft + 200 && y >= 300 && y < 500) return kSquareColours[n % 5];
  if (y >= 40 && y < 56 && x >= 40 && x < width - 40 && (x / 2 + y / 4) % 3 == 0) return {20, 20, 30};
  const int shade = 255 * y / height;
  return {static_cast<uint8_t>(shade * 3 / 4), static_cast<uint8_t>(shade * 7 / 8), 255};
}

}  // namespace

Bytes MovingSquareFrame(int width, int height, int n) {
  Bytes file = BmpFileOfSize(width, height);
  const uint32_t rowBytes = BmpRowBytes(width);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = file.data() + kBmpHeadersSize + static_cast<size_t>(height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const Pixel c = MovingSquarePixel(x, y, width, height, n);
      row[3 * x] = c.blue;
      row[3 * x + 1] = c.green;
      row[3 * x + 2] = c.red;
    }
  }
  return file;
}

Picture DecodedPicture(const Bytes& file) {
  PixelBuffer buffer;
  if (!DecodePicture(ByteSpan{file.data(), file.size()}, buffer) || buffer.bitsPerPixel() != 24) return {};
  Picture picture{buffer.width(), buffer.height(), {}};
  picture.pixels.reserve(static_cast<size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const uint8_t* row = buffer.row(y);
    for (int x = 0; x < picture.width; ++x) picture.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
  }
  return picture;
}

testing::AssertionResult PixelNear(Pixel found, Pixel expected, int tolerance) {
  auto within = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
  if (within(found.red, expected.red) && within(found.green, expected.green) && within(found.blue, expected.blue))
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "colour " << int{found.red} << "," << int{found.green} << ","
                                     << int{found.blue} << ", expected " << int{expected.red} << ","
                                     << int{expected.green} << "," << int{expected.blue};
}

int FirstQuantisationValue(const Bytes& jpeg) {
  for (size_t i = 2; i + 5 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDB) return jpeg[i + 5];
  }
  return -1;
}
