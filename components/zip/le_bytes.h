// Little-endian fields in byte buffers, the byte order of every ZIP record.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

using ByteBuffer = std::vector<uint8_t>;

inline void PutLe16(ByteBuffer& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void PutLe32(ByteBuffer& out, uint32_t value) {
  PutLe16(out, static_cast<uint16_t>(value));
  PutLe16(out, static_cast<uint16_t>(value >> 16));
}

inline void PutLe64(ByteBuffer& out, uint64_t value) {
  PutLe32(out, static_cast<uint32_t>(value));
  PutLe32(out, static_cast<uint32_t>(value >> 32));
}

// The caller guarantees that `at` + 2 (or + 4) bytes lie inside `bytes`.
inline uint16_t GetLe16(const uint8_t* bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline uint32_t GetLe32(const uint8_t* bytes, size_t at) {
  return static_cast<uint32_t>(GetLe16(bytes, at)) | static_cast<uint32_t>(GetLe16(bytes, at + 2)) << 16;
}
