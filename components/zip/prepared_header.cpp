#include "components/zip/prepared_header.h"

#include "components/services/little_endian.h"
#include "components/zip/zip_records.h"

namespace {

constexpr uint32_t kPreparedMagic = 0x45505A56;  // "VZPE"
constexpr uint16_t kExecutableFlag = 0x0001;

uint64_t GetLe64(const uint8_t* bytes, size_t at) {
  return static_cast<uint64_t>(GetLe32(bytes, at)) | static_cast<uint64_t>(GetLe32(bytes, at + 4)) << 32;
}

bool SizesAgree(const PreparedHeader& header, uint64_t fileSize) {
  bool storedAsItIs = header.method != kMethodStored || header.dataSize == header.uncompressedSize;
  return storedAsItIs && fileSize - kPreparedHeaderSize == header.dataSize;
}

}  // namespace

ByteString PreparedHeaderBytes(const PreparedHeader& header) {
  ByteString out;
  PutLe32(out, kPreparedMagic);
  PutLe16(out, header.method);
  PutLe16(out, header.executable ? kExecutableFlag : 0);
  PutLe32(out, header.crc);
  PutLe64(out, header.uncompressedSize);
  PutLe64(out, header.dataSize);
  return out;
}

bool ReadPreparedHeader(const uint8_t* bytes, size_t size, uint64_t fileSize, PreparedHeader* header) {
  if (size < kPreparedHeaderSize || fileSize < kPreparedHeaderSize || GetLe32(bytes, 0) != kPreparedMagic) return false;
  uint16_t flags = GetLe16(bytes, 6);
  header->method = GetLe16(bytes, 4);
  header->executable = (flags & kExecutableFlag) != 0;
  header->crc = GetLe32(bytes, 8);
  header->uncompressedSize = GetLe64(bytes, 12);
  header->dataSize = GetLe64(bytes, 20);
  bool knownMethod = header->method == kMethodStored || header->method == kMethodDeflate;
  return (flags & ~kExecutableFlag) == 0 && knownMethod && SizesAgree(*header, fileSize);
}
