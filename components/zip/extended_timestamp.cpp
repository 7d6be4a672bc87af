#include "components/zip/extended_timestamp.h"

namespace {

constexpr uint16_t kTimestampId = 0x5455;
// Modification, access and creation time present.
constexpr uint8_t kAllTimesFlags = 0x07;

void AppendTimestampHead(ByteString& out, uint16_t dataSize) {
  PutLe16(out, kTimestampId);
  PutLe16(out, dataSize);
  out.push_back(kAllTimesFlags);
}

void PutTime(ByteString& out, int32_t time) { PutLe32(out, static_cast<uint32_t>(time)); }

// Reads the times of one UT field's data, in flag order, while they fit.
FoundTimes ReadTimes(const uint8_t* data, size_t size) {
  FoundTimes found;
  if (size < 1) return found;
  uint8_t flags = data[0];
  size_t at = 1;
  std::optional<int32_t>* slots[] = {&found.modified, &found.accessed, &found.created};
  for (int bit = 0; bit < 3; ++bit) {
    if (!(flags & (1 << bit))) continue;
    if (at + 4 > size) break;
    *slots[bit] = static_cast<int32_t>(GetLe32(data, at));
    at += 4;
  }
  return found;
}

}  // namespace

void AppendLocalTimestamp(ByteString& out, const UnixTimes& times) {
  AppendTimestampHead(out, kLocalTimestampSize - 4);
  PutTime(out, times.modified);
  PutTime(out, times.accessed);
  PutTime(out, times.created);
}

void AppendCentralTimestamp(ByteString& out, const UnixTimes& times) {
  AppendTimestampHead(out, kCentralTimestampSize - 4);
  PutTime(out, times.modified);
}

FoundTimes FindLocalTimestamp(const uint8_t* extra, size_t size) {
  size_t at = 0;
  while (at + 4 <= size) {
    uint16_t id = GetLe16(extra, at);
    size_t dataSize = GetLe16(extra, at + 2);
    at += 4;
    if (dataSize > size - at) break;
    if (id == kTimestampId) return ReadTimes(extra + at, dataSize);
    at += dataSize;
  }
  return {};
}
