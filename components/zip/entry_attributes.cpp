#include "components/zip/entry_attributes.h"

#include <cstring>

#include "components/services/little_endian.h"

namespace {

// Read-only, hidden, system and archive: the DOS bits a file entry keeps.
constexpr uint32_t kKeptDosBits = 0x01 | 0x02 | 0x04 | 0x20;
constexpr uint32_t kRegularFile = 0x80000000;
constexpr uint32_t kOwnerRead = 0x01000000;
constexpr uint32_t kOwnerWrite = 0x00800000;
constexpr uint32_t kOwnerExecute = 0x00400000;

constexpr size_t kNewHeaderOffsetAt = 60;

bool StartsWith(const uint8_t* bytes, size_t size, const char* text, size_t length) {
  return size >= length && std::memcmp(bytes, text, length) == 0;
}

}  // namespace

uint32_t FileEntryAttributes(uint32_t fileSystemAttributes, bool executable) {
  uint32_t attributes = (fileSystemAttributes & kKeptDosBits) | kRegularFile | kOwnerRead;
  if (!(fileSystemAttributes & kReadOnlyBit)) attributes |= kOwnerWrite;
  if (executable) attributes |= kOwnerExecute;
  return attributes;
}

bool IsFolderEntry(uint32_t externalAttributes) {
  return (externalAttributes & (kDirectoryBit | kUnixDirectoryBit)) != 0;
}

uint32_t NewHeaderOffset(const uint8_t* head, size_t size) {
  if (size < kNewHeaderOffsetAt + 4 || !StartsWith(head, size, "MZ", 2)) return 0;
  return GetLe32(head, kNewHeaderOffsetAt);
}

bool IsExecutableSignature(const uint8_t* signature, size_t size) {
  return StartsWith(signature, size, "PE\0\0", 4) || StartsWith(signature, size, "NE", 2) ||
         StartsWith(signature, size, "LE", 2);
}
