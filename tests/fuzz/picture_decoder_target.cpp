// One picture decoder (chosen when built: VELMO_FUZZ_DECODER) over any bytes. A picture it
// accepts is read back row by row, so a buffer smaller than its size says is caught.
#include <cstddef>
#include <cstdint>

#include "components/imaging/decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PixelBuffer pixels;
  if (!VELMO_FUZZ_DECODER(ByteSpan(data, size), pixels)) return 0;
  volatile uint8_t sum = 0;
  for (int y = 0; y < pixels.height(); ++y) {
    const uint8_t* row = pixels.row(y);
    sum = sum + row[0] + row[pixels.rowBytes() - 1];
  }
  return 0;
}
