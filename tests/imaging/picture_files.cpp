#include "tests/imaging/picture_files.h"

#include <png.h>
#include <tiffio.h>

#include <cstdlib>

#include "components/imaging/decoders.h"
#include "components/services/wide_text.h"

ColourRule TopAndBottom(Rgb top, Rgb bottom, int split) {
  return [=](int, int y) { return y < split ? top : bottom; };
}

Rgb Noise(int x, int y) {
  uint32_t value = static_cast<uint32_t>(x * 7919 + y * 104729) * 2654435761u;
  return {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8)};
}

void Put16(Bytes& bytes, size_t offset, uint16_t value) {
  bytes.at(offset) = static_cast<uint8_t>(value);
  bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void Put32(Bytes& bytes, size_t offset, uint32_t value) {
  Put16(bytes, offset, static_cast<uint16_t>(value));
  Put16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

namespace {

// File header and BITMAPINFOHEADER; the pixel data follows the palette.
Bytes BmpHeaders(int width, int height, int bits, uint32_t paletteBytes, uint32_t pixelBytes) {
  Bytes bytes(54 + paletteBytes);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put32(bytes, 2, 54 + paletteBytes + pixelBytes);
  Put32(bytes, 10, 54 + paletteBytes);
  Put32(bytes, 14, 40);
  Put32(bytes, 18, static_cast<uint32_t>(width));
  Put32(bytes, 22, static_cast<uint32_t>(height));
  Put16(bytes, 26, 1);
  Put16(bytes, 28, static_cast<uint16_t>(bits));
  Put32(bytes, 34, pixelBytes);
  return bytes;
}

size_t PaddedRow(int width, int bits) { return static_cast<size_t>((width * bits + 31) / 32 * 4); }

}  // namespace

Bytes Bmp24(int width, int height, const ColourRule& colour, bool topDown) {
  size_t rowBytes = PaddedRow(width, 24);
  Bytes bytes = BmpHeaders(width, topDown ? -height : height, 24, 0, static_cast<uint32_t>(rowBytes * height));
  for (int stored = 0; stored < height; ++stored) {
    int y = topDown ? stored : height - 1 - stored;
    Bytes row(rowBytes, 0);
    for (int x = 0; x < width; ++x) {
      Rgb pixel = colour(x, y);
      row[3 * x] = pixel.blue;
      row[3 * x + 1] = pixel.green;
      row[3 * x + 2] = pixel.red;
    }
    bytes.insert(bytes.end(), row.begin(), row.end());
  }
  return bytes;
}

Bytes Bmp8(int width, int height) {
  size_t rowBytes = PaddedRow(width, 8);
  Bytes bytes = BmpHeaders(width, height, 8, 1024, static_cast<uint32_t>(rowBytes * height));
  for (int index = 0; index < 256; ++index) Put32(bytes, 54 + 4 * index, static_cast<uint32_t>(index * 0x010101));
  bytes.resize(bytes.size() + rowBytes * height, 0);
  return bytes;
}

Bytes Png(int width, int height, const ColourRule& colour, const std::function<uint8_t(int x, int y)>& alpha) {
  Bytes pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgb pixel = colour(x, y);
      pixels.insert(pixels.end(), {pixel.red, pixel.green, pixel.blue, alpha(x, y)});
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
  Bytes bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr)) return {};
  bytes.resize(size);
  return bytes;
}

bool WriteTiff(const std::string& path, int width, int height, const ColourRule& colour,
               const std::function<uint8_t(int x, int y)>& alpha) {
  TIFF* tiff = TIFFOpenW(Widen(path).c_str(), "w");
  if (!tiff) return false;
  uint16_t samples = alpha ? 4 : 3;
  uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(height));
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 8);
  if (alpha) TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
  bool written = true;
  for (int y = 0; y < height && written; ++y) {
    Bytes row;
    for (int x = 0; x < width; ++x) {
      Rgb pixel = colour(x, y);
      row.insert(row.end(), {pixel.red, pixel.green, pixel.blue});
      if (alpha) row.push_back(alpha(x, y));
    }
    written = TIFFWriteScanline(tiff, row.data(), static_cast<uint32_t>(y), 0) == 1;
  }
  TIFFClose(tiff);
  return written;
}

namespace {

Bytes PcxHeader(int width, int height, int planes) {
  Bytes bytes(128, 0);
  bytes[0] = 0x0A;
  bytes[1] = 5;
  bytes[2] = 1;
  bytes[3] = 8;
  Put16(bytes, 8, static_cast<uint16_t>(width - 1));
  Put16(bytes, 10, static_cast<uint16_t>(height - 1));
  bytes[65] = static_cast<uint8_t>(planes);
  Put16(bytes, 66, static_cast<uint16_t>(width + width % 2));
  return bytes;
}

// Runs of up to 63 equal bytes; a single byte below 0xC0 stands for itself.
void AppendRuns(Bytes& out, const Bytes& line) {
  for (size_t at = 0; at < line.size();) {
    size_t run = 1;
    while (at + run < line.size() && line[at + run] == line[at] && run < 63) ++run;
    if (run > 1 || line[at] >= 0xC0) out.push_back(static_cast<uint8_t>(0xC0 | run));
    out.push_back(line[at]);
    at += run;
  }
}

}  // namespace

Bytes Pcx8(int width, int height, const Rgb (&palette)[4]) {
  Bytes bytes = PcxHeader(width, height, 1);
  for (int y = 0; y < height; ++y) {
    Bytes line(Le16(bytes, 66), 0);
    for (int x = 0; x < width; ++x) line[x] = static_cast<uint8_t>((y * 2 / height) * 2 + x * 2 / width);
    AppendRuns(bytes, line);
  }
  bytes.push_back(0x0C);
  for (int index = 0; index < 256; ++index) {
    Rgb colour = index < 4 ? palette[index] : Rgb{};
    bytes.insert(bytes.end(), {colour.red, colour.green, colour.blue});
  }
  return bytes;
}

Bytes Pcx24(int width, int height, const ColourRule& colour) {
  Bytes bytes = PcxHeader(width, height, 3);
  size_t planeLine = Le16(bytes, 66);
  for (int y = 0; y < height; ++y) {
    Bytes line(planeLine * 3, 0);
    for (int x = 0; x < width; ++x) {
      Rgb pixel = colour(x, y);
      line[x] = pixel.red;
      line[planeLine + x] = pixel.green;
      line[2 * planeLine + x] = pixel.blue;
    }
    AppendRuns(bytes, line);
  }
  return bytes;
}

Bytes PhotoCd(uint8_t luma, uint8_t chroma1, uint8_t chroma2) {
  Bytes bytes(1024 * 1024, 0);
  const std::string signature = "PCD_IPI";
  std::copy(signature.begin(), signature.end(), bytes.begin() + 0x800);
  size_t at = 96 * 2048;
  for (int pair = 0; pair < 256; ++pair) {
    at = static_cast<size_t>(std::fill_n(bytes.begin() + at, 768 * 2, luma) - bytes.begin());
    at = static_cast<size_t>(std::fill_n(bytes.begin() + at, 384, chroma1) - bytes.begin());
    at = static_cast<size_t>(std::fill_n(bytes.begin() + at, 384, chroma2) - bytes.begin());
  }
  return bytes;
}

bool DecodeJpegFile(const std::string& path, PixelBuffer& pixels) {
  Bytes bytes = ReadBytes(path);
  return DecodeJpeg(ByteSpan(bytes.data(), bytes.size()), pixels);
}

testing::AssertionResult ColourNear(const PixelBuffer& pixels, int x, int y, Rgb expected, int tolerance) {
  const uint8_t* row = pixels.row(y);
  Rgb found = pixels.bitsPerPixel() == 8 ? pixels.palette()[row[x]] : Rgb{row[3 * x], row[3 * x + 1], row[3 * x + 2]};
  auto within = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
  if (within(found.red, expected.red) && within(found.green, expected.green) && within(found.blue, expected.blue))
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << int{found.red} << ","
                                     << int{found.green} << "," << int{found.blue} << ", expected "
                                     << int{expected.red} << "," << int{expected.green} << "," << int{expected.blue};
}
