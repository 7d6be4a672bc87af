// Read-only bytes of a picture, whether they come from a mapped file or from memory, and the
// bounds check the decoders make before they read a field (components/services/little_endian.h).
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

using ByteSpan = std::span<const uint8_t>;

// True when `bytes` holds `length` bytes from `offset` on; safe for any 64-bit values.
inline bool Covers(ByteSpan bytes, uint64_t offset, uint64_t length) {
  return length <= bytes.size() && offset <= bytes.size() - length;
}
