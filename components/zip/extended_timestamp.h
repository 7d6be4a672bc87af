// The extended-timestamp extra field (header id 0x5455, "UT"): Unix times of an entry as signed
// 32-bit seconds since 1970-01-01 00:00 UTC.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "components/services/little_endian.h"

struct UnixTimes {
  int32_t modified = 0;
  int32_t accessed = 0;
  int32_t created = 0;
};

// Sizes of the two forms Pack writes.
constexpr uint16_t kLocalTimestampSize = 17;
constexpr uint16_t kCentralTimestampSize = 9;

// Appends the local form: id, data size 13, flags 0x07, then modification, access and creation time.
void AppendLocalTimestamp(ByteString& out, const UnixTimes& times);
// Appends the central form: id, data size 5, flags 0x07, then the modification time only.
void AppendCentralTimestamp(ByteString& out, const UnixTimes& times);

// The times found in a local extra field block (any number of fields, any order). A time is
// present only when its flag bit is set and its four bytes lie inside the field's data; a
// truncated or lying block yields fewer times, never a read outside `size` bytes.
struct FoundTimes {
  std::optional<int32_t> modified;
  std::optional<int32_t> accessed;
  std::optional<int32_t> created;
};
FoundTimes FindLocalTimestamp(const uint8_t* extra, size_t size);
