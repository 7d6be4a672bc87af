// The header of a prepared-entry file: an entry's data made ahead of packing follows it, and
// the header says what that data is, so that packing only copies it. 28 bytes, little-endian:
// magic "VZPE", method, flags (bit 0: the source bytes are a program), CRC-32, uncompressed
// size, size of the data that follows.
#pragma once
#include <cstddef>
#include <cstdint>

#include "components/services/byte_string.h"

constexpr size_t kPreparedHeaderSize = 28;

struct PreparedHeader {
  uint16_t method = 0;  // kMethodStored or kMethodDeflate
  // Folder mode gives a program owner-execute from its first bytes; the prepared file begins
  // with this header instead, so the fact travels here.
  bool executable = false;
  uint32_t crc = 0;
  uint64_t uncompressedSize = 0;
  uint64_t dataSize = 0;
};

ByteString PreparedHeaderBytes(const PreparedHeader& header);

// Reads the header at the start of a prepared file of `fileSize` bytes from its first `size`
// bytes. False when they are too few, the magic or the flags are unknown, the method is neither
// stored nor deflate, stored data differs in size from its source, or the header and the data
// it announces do not make up the whole file (a file cut short or damaged).
bool ReadPreparedHeader(const uint8_t* bytes, size_t size, uint64_t fileSize, PreparedHeader* header);
