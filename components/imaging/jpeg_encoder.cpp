#include "components/imaging/jpeg_encoder.h"

#include <cstdio>

#include "components/imaging/jpeg_errors.h"
#include "components/services/wide_text.h"

namespace {

// libjpeg's calls in steps. Holds no object with a destructor because an error jumps back to the
// setjmp below, which destroys the compressor and closes the file.
// The order of the colour bytes makes no difference to the file: libjpeg-turbo turns blue,
// green, red rows into the same YCbCr values as red, green, blue ones.
J_COLOR_SPACE ColourSpaceOf(RowLayout layout) {
  switch (layout) {
    case RowLayout::Grey: return JCS_GRAYSCALE;
    case RowLayout::Bgr: return JCS_EXT_BGR;
    default: return JCS_RGB;
  }
}

bool CompressToFile(const wchar_t* path, const PixelRows& rows, const JpegSettings& settings) {
  jpeg_compress_struct codec{};
  JpegErrorJump errors;
  FILE* volatile file = nullptr;

  // Step 1: the compressor, whose errors land here; warnings are ignored.
  codec.err = UseJpegErrorJump(errors);
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&codec);
    if (file) std::fclose(file);
    return false;
  }
  jpeg_create_compress(&codec);

  // Step 2: the target file, created or truncated.
  file = _wfopen(path, L"wb");
  if (!file) {
    jpeg_destroy_compress(&codec);
    return false;
  }
  jpeg_stdio_dest(&codec, file);

  // Step 3: the picture.
  codec.image_width = static_cast<JDIMENSION>(rows.width);
  codec.image_height = static_cast<JDIMENSION>(rows.height);
  codec.input_components = rows.layout == RowLayout::Grey ? 1 : 3;
  codec.in_color_space = ColourSpaceOf(rows.layout);

  // Step 4: the defaults, then the caller's settings; quantization values stay baseline (<= 255).
  jpeg_set_defaults(&codec);
  codec.optimize_coding = settings.optimizeCoding;
  codec.smoothing_factor = settings.smoothing;
  jpeg_set_quality(&codec, settings.quality, TRUE);

  // Step 5: start, writing all tables.
  jpeg_start_compress(&codec, TRUE);

  // Step 6: one row at a time, top row first. libjpeg only reads the rows; its interface is not
  // const-qualified.
  while (codec.next_scanline < codec.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rows.row(static_cast<int>(codec.next_scanline)));
    jpeg_write_scanlines(&codec, &row, 1);
  }
  jpeg_finish_compress(&codec);

  // Step 7: close the file (its last bytes may still fail to reach the disk) and release the
  // compressor.
  bool closed = std::fclose(file) == 0;
  jpeg_destroy_compress(&codec);
  return closed;
}

}  // namespace

bool WriteJpeg(const std::string& path, const PixelRows& rows, const JpegSettings& settings) {
  std::wstring widePath = Widen(path);
  return CompressToFile(widePath.c_str(), rows, settings);
}

PixelRows RowsOf(const PixelBuffer& pixels) {
  PixelRows rows;
  rows.width = pixels.width();
  rows.height = pixels.height();
  rows.layout = pixels.bitsPerPixel() == 8 ? RowLayout::Grey : RowLayout::Rgb;
  rows.top = pixels.row(0);
  rows.step = static_cast<ptrdiff_t>(pixels.rowBytes());
  return rows;
}
