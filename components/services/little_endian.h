// Little-endian fields in bytes: the byte order of ZIP records, BMP and icon headers and stored
// font records. One home for reading, appending and overwriting them.
#pragma once
#include <cstddef>
#include <cstdint>

#include "components/services/byte_string.h"

// Appends the value's bytes, lowest first.
inline void PutLe16(ByteString& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void PutLe32(ByteString& out, uint32_t value) {
  PutLe16(out, static_cast<uint16_t>(value));
  PutLe16(out, static_cast<uint16_t>(value >> 16));
}

inline void PutLe64(ByteString& out, uint64_t value) {
  PutLe32(out, static_cast<uint32_t>(value));
  PutLe32(out, static_cast<uint32_t>(value >> 32));
}

// Overwrite the bytes at `at`; the caller guarantees that `at` + 2 (or + 4) bytes lie inside.
inline void SetLe16(uint8_t* bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

inline void SetLe32(uint8_t* bytes, size_t at, uint32_t value) {
  SetLe16(bytes, at, static_cast<uint16_t>(value));
  SetLe16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

// The caller guarantees that `at` + 2 (or + 4) bytes lie inside `bytes`.
inline uint16_t GetLe16(const uint8_t* bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline uint32_t GetLe32(const uint8_t* bytes, size_t at) {
  return static_cast<uint32_t>(GetLe16(bytes, at)) | static_cast<uint32_t>(GetLe16(bytes, at + 2)) << 16;
}
