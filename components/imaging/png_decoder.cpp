#include <png.h>

#include <cstring>

#include "components/imaging/decoders.h"

namespace {

constexpr size_t kSignatureSize = 8;

// libpng reads through this callback from the bytes in memory.
struct PngStream {
  ByteSpan bytes;
  size_t position;
};

void ReadStream(png_structp png, png_bytep to, size_t length) {
  auto& stream = *static_cast<PngStream*>(png_get_io_ptr(png));
  if (length > stream.bytes.size() - stream.position) png_error(png, "file ends early");
  std::memcpy(to, stream.bytes.data() + stream.position, length);
  stream.position += length;
}

// libpng's default handlers print; a picture that cannot be read is reported only by the result.
[[noreturn]] void JumpBack(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// Runs inside ReadPng's setjmp: no object with a destructor. Any depth and colour type comes out
// as 8-bit red, green, blue, with transparency laid on white.
bool ReadRows(png_structp png, png_infop info, PixelBuffer& pixels) {
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_color_16 white{0, 255, 255, 255, 255};
  png_set_background(png, &white, PNG_BACKGROUND_GAMMA_SCREEN, 0, 1.0);
  int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  png_uint_32 width = png_get_image_width(png, info);
  png_uint_32 height = png_get_image_height(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 3 || !pixels.Allocate(width, height, 24))
    return false;
  // Interlaced pictures come in several passes over the same rows, which keep what earlier passes
  // put there.
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < pixels.height(); ++y) png_read_row(png, pixels.row(y), nullptr);
  }
  return true;
}

// Reads the signature and header and, given `pixels`, the rows. Holds no object with a destructor
// because an error jumps back to the setjmp below.
bool ReadPng(ByteSpan bytes, PixelBuffer* pixels) {
  if (!Covers(bytes, 0, kSignatureSize) || png_sig_cmp(bytes.data(), 0, kSignatureSize) != 0) return false;
  PngStream stream{bytes, 0};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpBack, IgnoreWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  png_set_read_fn(png, &stream, ReadStream);
  png_read_info(png, info);
  bool read = pixels ? ReadRows(png, info, *pixels) : true;
  png_destroy_read_struct(&png, &info, nullptr);
  return read;
}

}  // namespace

bool AcceptsPng(ByteSpan bytes) { return ReadPng(bytes, nullptr); }

bool DecodePng(ByteSpan bytes, PixelBuffer& pixels) { return ReadPng(bytes, &pixels); }
