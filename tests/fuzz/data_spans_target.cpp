// DataSpans over any sequence of claims, held against a plain list that checks every pair.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "components/zip/data_spans.h"

namespace {

struct Span {
  uint64_t offset;
  uint64_t size;
};

bool Overlap(const Span& a, const Span& b) {
  return a.size && b.size && a.offset < b.offset + b.size && b.offset < a.offset + a.size;
}

// Offsets and sizes come from 4 bytes each, scaled down now and then so that claims meet.
uint64_t Take(const uint8_t*& data, size_t& size) {
  uint32_t value = 0;
  std::memcpy(&value, data, 4);
  data += 4;
  size -= 4;
  return value & 0x80000000 ? uint64_t{value} << 31 : value % 64;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DataSpans spans;
  std::vector<Span> claimed;
  while (size >= 8) {
    const Span span{Take(data, size), Take(data, size)};
    bool expected = span.size <= UINT64_MAX - span.offset;
    for (const Span& before : claimed) expected = expected && !Overlap(span, before);
    if (spans.Claim(span.offset, span.size) != expected) std::abort();
    if (expected) claimed.push_back(span);
  }
  return 0;
}
