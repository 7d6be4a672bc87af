#include <tiffio.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "components/imaging/decoders.h"

namespace {

// libtiff's buffers for one strip or tile of the largest picture allowed, at 4 bytes a pixel.
constexpr tmsize_t kMaxTiffAllocation = kMaxPicturePixels * 4;

// libtiff reads through these callbacks from the bytes in memory.
struct TiffStream {
  ByteSpan bytes;
  uint64_t position;
};

TiffStream& StreamOf(thandle_t handle) { return *static_cast<TiffStream*>(handle); }

tmsize_t ReadStream(thandle_t handle, void* to, tmsize_t size) {
  TiffStream& stream = StreamOf(handle);
  if (size <= 0 || stream.position >= stream.bytes.size()) return 0;
  uint64_t count = std::min<uint64_t>(static_cast<uint64_t>(size), stream.bytes.size() - stream.position);
  std::memcpy(to, stream.bytes.data() + stream.position, static_cast<size_t>(count));
  stream.position += count;
  return static_cast<tmsize_t>(count);
}

tmsize_t RefuseWrite(thandle_t, void*, tmsize_t) { return 0; }

toff_t SeekStream(thandle_t handle, toff_t offset, int whence) {
  TiffStream& stream = StreamOf(handle);
  uint64_t base = whence == SEEK_CUR ? stream.position : whence == SEEK_END ? stream.bytes.size() : 0;
  if (offset > UINT64_MAX - base) return static_cast<toff_t>(-1);
  stream.position = base + offset;
  return stream.position;
}

int CloseStream(thandle_t) { return 0; }

toff_t StreamSize(thandle_t handle) { return StreamOf(handle).bytes.size(); }

// Not mapped: libtiff then copies what it reads and never writes into the source's pages.
int RefuseMap(thandle_t, void**, toff_t*) { return 0; }
void Unmap(thandle_t, void*, toff_t) {}

using TiffFile = std::unique_ptr<TIFF, decltype(&TIFFClose)>;
using TiffOptions = std::unique_ptr<TIFFOpenOptions, decltype(&TIFFOpenOptionsFree)>;

// libtiff's default handlers print, and in a windowed build may show message boxes; a picture
// that cannot be read is reported only by the result.
void SilenceTiffMessages() {
  TIFFSetErrorHandler(nullptr);
  TIFFSetWarningHandler(nullptr);
}

// `stream` must outlive the returned file.
TiffFile OpenTiff(TiffStream& stream) {
  SilenceTiffMessages();
  TiffOptions options(TIFFOpenOptionsAlloc(), TIFFOpenOptionsFree);
  if (!options) return TiffFile(nullptr, TIFFClose);
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxTiffAllocation);
  return TiffFile(TIFFClientOpenExt("picture", "r", &stream, ReadStream, RefuseWrite, SeekStream, CloseStream,
                                    StreamSize, RefuseMap, Unmap, options.get()),
                  TIFFClose);
}

bool ReadSize(TIFF* tiff, uint32_t& width, uint32_t& height) {
  return TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) == 1 && TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height) == 1;
}

}  // namespace

bool AcceptsTiff(ByteSpan bytes) {
  TiffStream stream{bytes, 0};
  TiffFile tiff = OpenTiff(stream);
  uint32_t width = 0, height = 0;
  return tiff && ReadSize(tiff.get(), width, height);
}

bool DecodeTiff(ByteSpan bytes, PixelBuffer& pixels) {
  TiffStream stream{bytes, 0};
  TiffFile tiff = OpenTiff(stream);
  uint32_t width = 0, height = 0;
  if (!tiff || !ReadSize(tiff.get(), width, height) || !pixels.Allocate(width, height, 32)) return false;
  // The packed rows are the one raster libtiff fills; its 32-bit values hold red in the lowest
  // byte, so in memory each pixel reads red, green, blue, alpha.
  auto* raster = reinterpret_cast<uint32_t*>(pixels.row(0));
  return TIFFReadRGBAImageOriented(tiff.get(), width, height, raster, ORIENTATION_TOPLEFT, 1) == 1;
}
