// The decoders that write straight into a panel's bitmap (JPEG and BMP into blue, green, red
// rows) and the BMP row finder the converter encodes from, over any bytes. The rows live in a
// buffer of exactly the size asked for, so a decoder writing past it is caught.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "components/imaging/decoders.h"

namespace {

class HeapRows : public BgrRows {
 public:
  uint8_t* Rows(int width, int height, size_t& stride) override {
    stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    bytes_.assign(stride * static_cast<size_t>(height), 0);
    return bytes_.data();
  }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ByteSpan bytes(data, size);
  HeapRows jpeg;
  DecodeJpegToBgr(bytes, jpeg);
  HeapRows bmp;
  DecodeBmpToBgr(bytes, bmp);
  if (std::optional<PixelRows> rows = FindBmpRows(bytes)) {
    volatile uint8_t sum = 0;
    for (int y = 0; y < rows->height; ++y) sum = sum + rows->row(y)[0] + rows->row(y)[rows->width * 3 - 1];
  }
  return 0;
}
