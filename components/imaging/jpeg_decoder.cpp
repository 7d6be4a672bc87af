#include <climits>

#include "components/imaging/decoders.h"
#include "components/imaging/jpeg_errors.h"

namespace {

// Coefficient memory libjpeg may take for a multi-scan (progressive) picture: enough for about
// 40 megapixels with the usual subsampled colour. Beyond it the decoding fails rather than letting
// a small hostile file reserve hundreds of megabytes. Single-scan pictures need only a few rows.
constexpr long kMaxCoefficientMemory = 128L * 1024 * 1024;
// Each scan of a progressive picture passes over all its coefficients, so a small file of
// thousands of empty scans could keep the decoder busy for minutes. Encoders write about ten.
constexpr int kMaxScans = 64;

void StopAtTooManyScans(j_common_ptr codec) {
  if (reinterpret_cast<j_decompress_ptr>(codec)->input_scan_number > kMaxScans) codec->err->error_exit(codec);
}

bool HasJpegComponents(const jpeg_decompress_struct& codec) {
  return codec.num_components == 1 || codec.num_components == 3;
}

void UseGreyRamp(PixelBuffer& pixels) {
  for (int level = 0; level < 256; ++level) {
    uint8_t value = static_cast<uint8_t>(level);
    pixels.palette()[level] = {value, value, value};
  }
}

// Both run inside ReadJpeg's setjmp: no object with a destructor. The size is checked first
// because starting reads every scan of a progressive picture.
bool ReadRows(jpeg_decompress_struct& codec, PixelBuffer& pixels) {
  if (!FitsPictureLimits(codec.image_width, codec.image_height)) return false;
  codec.out_color_space = codec.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&codec);
  if (!pixels.Allocate(codec.output_width, codec.output_height, codec.output_components * 8)) return false;
  if (pixels.bitsPerPixel() == 8) UseGreyRamp(pixels);
  while (codec.output_scanline < codec.output_height) {
    JSAMPROW row = pixels.row(static_cast<int>(codec.output_scanline));
    jpeg_read_scanlines(&codec, &row, 1);
  }
  jpeg_finish_decompress(&codec);
  return true;
}

// libjpeg-turbo writes blue, green, red itself, from colour and from grey pictures alike.
bool ReadRows(jpeg_decompress_struct& codec, BgrRows& rows) {
  if (!FitsPictureLimits(codec.image_width, codec.image_height)) return false;
  codec.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&codec);
  size_t stride = 0;
  uint8_t* top = rows.Rows(static_cast<int>(codec.output_width), static_cast<int>(codec.output_height), stride);
  if (!top) return false;
  while (codec.output_scanline < codec.output_height) {
    JSAMPROW row = top + stride * codec.output_scanline;
    jpeg_read_scanlines(&codec, &row, 1);
  }
  jpeg_finish_decompress(&codec);
  return true;
}

// Reads the header and, given a destination, the rows. libjpeg's calls in steps; holds no object
// with a destructor because an error jumps back to the setjmp below.
template <typename Destination>
bool ReadJpeg(ByteSpan bytes, Destination* destination) {
  if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes.size() > ULONG_MAX) return false;
  jpeg_decompress_struct codec{};
  JpegErrorJump errors;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = StopAtTooManyScans;

  // Step 1: the decompressor, whose errors and warnings land here.
  codec.err = UseJpegErrorJump(errors);
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&codec);
    return false;
  }
  jpeg_create_decompress(&codec);
  codec.mem->max_memory_to_use = kMaxCoefficientMemory;
  codec.progress = &progress;

  // Step 2: the bytes.
  jpeg_mem_src(&codec, bytes.data(), static_cast<unsigned long>(bytes.size()));

  // Step 3: the header.
  jpeg_read_header(&codec, TRUE);
  bool read = HasJpegComponents(codec);

  // Steps 4 to 6: the rows, top row first.
  if (read && destination) read = ReadRows(codec, *destination);

  // Step 7: release the decompressor.
  jpeg_destroy_decompress(&codec);
  return read;
}

}  // namespace

bool AcceptsJpeg(ByteSpan bytes) { return ReadJpeg<PixelBuffer>(bytes, nullptr); }

bool DecodeJpeg(ByteSpan bytes, PixelBuffer& pixels) { return ReadJpeg(bytes, &pixels); }

bool DecodeJpegToBgr(ByteSpan bytes, BgrRows& rows) { return ReadJpeg(bytes, &rows); }
