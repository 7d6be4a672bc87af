// Read-only bytes of a picture, whether they come from a mapped file or from memory, and the
// bounds-checked little-endian reads the decoders share.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

using ByteSpan = std::span<const uint8_t>;

// True when `bytes` holds `length` bytes from `offset` on; safe for any 64-bit values.
inline bool Covers(ByteSpan bytes, uint64_t offset, uint64_t length) {
  return length <= bytes.size() && offset <= bytes.size() - length;
}

// Little-endian fields; the caller has checked with Covers that they lie inside `bytes`.
inline uint16_t Le16At(ByteSpan bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}
inline uint32_t Le32At(ByteSpan bytes, size_t offset) {
  return Le16At(bytes, offset) | static_cast<uint32_t>(Le16At(bytes, offset + 2)) << 16;
}
