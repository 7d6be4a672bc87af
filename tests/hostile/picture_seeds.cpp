#include "tests/hostile/picture_seeds.h"

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include <cstdio>
#include <cstdlib>

#include "components/services/wide_text.h"
#include "tests/imaging/picture_files.h"

namespace {

struct JpegShape {
  const char* what;
  int components;
  bool progressive;
  int restartRows;
  bool fullChroma;  // 4:4:4 instead of 4:2:0
};

Bytes Jpeg(const JpegShape& shape, int width, int height, const ColourRule& colour = Noise) {
  jpeg_compress_struct codec{};
  jpeg_error_mgr errors;
  codec.err = jpeg_std_error(&errors);
  jpeg_create_compress(&codec);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&codec, &out, &size);
  codec.image_width = static_cast<JDIMENSION>(width);
  codec.image_height = static_cast<JDIMENSION>(height);
  codec.input_components = shape.components;
  codec.in_color_space = shape.components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&codec);
  jpeg_set_quality(&codec, 75, TRUE);
  if (shape.progressive) jpeg_simple_progression(&codec);
  codec.restart_in_rows = shape.restartRows;
  if (shape.fullChroma) codec.comp_info[0].h_samp_factor = codec.comp_info[0].v_samp_factor = 1;
  jpeg_start_compress(&codec, TRUE);
  Bytes row(static_cast<size_t>(width) * shape.components);
  while (codec.next_scanline < codec.image_height) {
    for (int x = 0; x < width; ++x) {
      Rgb pixel = colour(x, static_cast<int>(codec.next_scanline));
      for (int c = 0; c < shape.components; ++c)
        row[x * shape.components + c] = c == 0 ? pixel.red : c == 1 ? pixel.green : pixel.blue;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&codec, rows, 1);
  }
  jpeg_finish_compress(&codec);
  jpeg_destroy_compress(&codec);
  Bytes bytes(out, out + size);
  std::free(out);
  return bytes;
}

struct PngShape {
  const char* what;
  int colourType;
  int bitDepth;
  bool interlaced;
};

void AppendToBytes(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

Bytes Png(const PngShape& shape, int width, int height) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendToBytes, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), shape.bitDepth,
               shape.colourType, shape.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color palette[16];
  png_byte transparency[16];
  for (int i = 0; i < 16; ++i) {
    palette[i] = {static_cast<png_byte>(i * 16), static_cast<png_byte>(255 - i * 16), static_cast<png_byte>(i * 7)};
    transparency[i] = static_cast<png_byte>(i * 17);
  }
  if (shape.colourType == PNG_COLOR_TYPE_PALETTE) {
    png_set_PLTE(png, info, palette, 16);
    png_set_tRNS(png, info, transparency, 16, nullptr);
  }
  png_write_info(png, info);
  const int channels = png_get_channels(png, info);
  const size_t rowBytes = (static_cast<size_t>(width) * channels * shape.bitDepth + 7) / 8;
  const int passes = png_set_interlace_handling(png);
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < height; ++y) {
      Bytes row(rowBytes);
      for (size_t i = 0; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(Noise(static_cast<int>(i), y).green);
      if (shape.colourType == PNG_COLOR_TYPE_PALETTE)
        for (uint8_t& byte : row) byte &= shape.bitDepth == 8 ? 0x0F : 0xFF;
      png_write_row(png, row.data());
    }
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

struct TiffShape {
  const char* what;
  uint16_t samples;
  uint16_t bits;
  uint16_t photometric;
  uint16_t compression;
  bool tiled;
  bool separatePlanes;
};

// Written by libtiff to a file, since it writes only through its own file handles.
Bytes Tiff(const TiffShape& shape, const std::string& path, int width, int height) {
  TIFF* tiff = TIFFOpenW(Widen(path).c_str(), "w");
  if (!tiff) return {};
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(height));
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, shape.bits);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, shape.samples);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, shape.photometric);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, shape.separatePlanes ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, shape.compression);
  if (shape.photometric == PHOTOMETRIC_PALETTE) {
    uint16_t red[256], green[256], blue[256];
    for (int i = 0; i < 256; ++i) {
      red[i] = static_cast<uint16_t>(i * 257);
      green[i] = static_cast<uint16_t>((255 - i) * 257);
      blue[i] = static_cast<uint16_t>((i * 7 % 256) * 257);
    }
    TIFFSetField(tiff, TIFFTAG_COLORMAP, red, green, blue);
  }
  const uint16_t planes = shape.separatePlanes ? shape.samples : 1;
  const uint16_t samplesPerChunk = shape.separatePlanes ? 1 : shape.samples;
  bool written = true;
  if (shape.tiled) {
    TIFFSetField(tiff, TIFFTAG_TILEWIDTH, 16u);
    TIFFSetField(tiff, TIFFTAG_TILELENGTH, 16u);
    Bytes tile(static_cast<size_t>(TIFFTileSize(tiff)));
    for (size_t i = 0; i < tile.size(); ++i) tile[i] = static_cast<uint8_t>(Noise(static_cast<int>(i), 3).blue);
    for (uint32_t t = 0; t < TIFFNumberOfTiles(tiff) && written; ++t)
      written = TIFFWriteEncodedTile(tiff, t, tile.data(), tile.size()) >= 0;
  } else {
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 4u);
    const size_t rowBytes = (static_cast<size_t>(width) * samplesPerChunk * shape.bits + 7) / 8;
    for (uint16_t plane = 0; plane < planes && written; ++plane) {
      for (int y = 0; y < height && written; ++y) {
        Bytes row(rowBytes);
        for (size_t i = 0; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(Noise(static_cast<int>(i), y).red);
        written = TIFFWriteScanline(tiff, row.data(), static_cast<uint32_t>(y), plane) == 1;
      }
    }
  }
  TIFFClose(tiff);
  return written ? ReadBytes(path) : Bytes{};
}

// A 24-bit BMP turned into another header form: the 12-byte OS/2 header, the "BA" file type,
// or a Windows header of `infoSize` bytes (52, 56, 108, 124).
Bytes BmpWithHeader(int width, int height, uint32_t infoSize, char secondLetter) {
  Bytes plain = Bmp24(width, height, Noise);
  Bytes pixels(plain.begin() + 54, plain.end());
  Bytes bytes(14 + infoSize, 0);
  bytes[0] = 'B';
  bytes[1] = static_cast<uint8_t>(secondLetter);
  Put32(bytes, 10, 14 + infoSize);
  Put32(bytes, 14, infoSize);
  if (infoSize == 12) {
    Put16(bytes, 18, static_cast<uint16_t>(width));
    Put16(bytes, 20, static_cast<uint16_t>(height));
    Put16(bytes, 22, 1);
    Put16(bytes, 24, 24);
  } else {
    std::copy(plain.begin() + 18, plain.begin() + 54, bytes.begin() + 18);
  }
  bytes.insert(bytes.end(), pixels.begin(), pixels.end());
  Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
  return bytes;
}

}  // namespace

Bytes FlatJpeg(int width, int height) {
  return Jpeg({"flat", 3, false, 0, false}, width, height, [](int, int) { return kOrange; });
}

std::vector<PictureSeed> PictureSeeds(const std::string& scratch) {
  std::vector<PictureSeed> seeds;
  for (const JpegShape& shape :
       {JpegShape{"JPEG baseline 4:2:0", 3, false, 0, false}, JpegShape{"JPEG 4:4:4", 3, false, 0, true},
        JpegShape{"JPEG grey", 1, false, 0, false}, JpegShape{"JPEG progressive", 3, true, 0, false},
        JpegShape{"JPEG progressive grey", 1, true, 0, false}, JpegShape{"JPEG restart markers", 3, false, 1, false}})
    seeds.push_back({shape.what, SeedFormat::Jpeg, Jpeg(shape, 24, 20)});
  seeds.push_back({"BMP bottom-up", SeedFormat::Bmp, Bmp24(7, 5, Noise)});
  seeds.push_back({"BMP top-down", SeedFormat::Bmp, Bmp24(5, 4, Noise, true)});
  seeds.push_back({"BMP OS/2 header", SeedFormat::Bmp, BmpWithHeader(6, 3, 12, 'M')});
  seeds.push_back({"BMP array type", SeedFormat::Bmp, BmpWithHeader(3, 3, 40, 'A')});
  seeds.push_back({"BMP version 5 header", SeedFormat::Bmp, BmpWithHeader(4, 2, 124, 'M')});
  const std::string tiffPath = scratch + "\\seed.tif";
  for (const TiffShape& shape :
       {TiffShape{"TIFF RGB LZW strips", 3, 8, PHOTOMETRIC_RGB, COMPRESSION_LZW, false, false},
        TiffShape{"TIFF RGB deflate tiles", 3, 8, PHOTOMETRIC_RGB, COMPRESSION_ADOBE_DEFLATE, true, false},
        TiffShape{"TIFF RGB separate planes", 3, 8, PHOTOMETRIC_RGB, COMPRESSION_NONE, false, true},
        TiffShape{"TIFF grey packbits", 1, 8, PHOTOMETRIC_MINISBLACK, COMPRESSION_PACKBITS, false, false},
        TiffShape{"TIFF one bit", 1, 1, PHOTOMETRIC_MINISWHITE, COMPRESSION_CCITTFAX4, false, false},
        TiffShape{"TIFF palette", 1, 8, PHOTOMETRIC_PALETTE, COMPRESSION_NONE, false, false},
        TiffShape{"TIFF 16 bits", 3, 16, PHOTOMETRIC_RGB, COMPRESSION_NONE, false, false}})
    seeds.push_back({shape.what, SeedFormat::Tiff, Tiff(shape, tiffPath, 20, 18)});
  for (const PngShape& shape : {PngShape{"PNG RGB", PNG_COLOR_TYPE_RGB, 8, false},
                                PngShape{"PNG RGBA interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 8, true},
                                PngShape{"PNG palette with transparency", PNG_COLOR_TYPE_PALETTE, 4, false},
                                PngShape{"PNG grey 16 bits", PNG_COLOR_TYPE_GRAY, 16, false},
                                PngShape{"PNG grey 1 bit interlaced", PNG_COLOR_TYPE_GRAY, 1, true}})
    seeds.push_back({shape.what, SeedFormat::Png, Png(shape, 19, 13)});
  const Rgb palette[4] = {kRed, kGreen, kBlue, kOrange};
  seeds.push_back({"PCX 8 bits", SeedFormat::Pcx, Pcx8(17, 9, palette)});
  seeds.push_back({"PCX 24 bits", SeedFormat::Pcx, Pcx24(9, 7, Noise)});
  seeds.push_back({"PhotoCD", SeedFormat::PhotoCd, PhotoCd(120, 150, 140)});
  return seeds;
}
