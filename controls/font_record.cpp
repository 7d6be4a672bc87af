#include "controls/font_record.h"

#include <algorithm>

namespace {

constexpr size_t kCharSetOffset = 23;
constexpr size_t kFaceOffset = 28;
constexpr size_t kFaceSize = 32;

void PutInt32(ByteString& bytes, size_t offset, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace

ByteString FontRecord(int32_t height, int32_t weight, uint8_t charSet, std::string_view face) {
  ByteString record(kFontRecordSize, 0);
  PutInt32(record, 0, height);
  PutInt32(record, 16, weight);
  record[kCharSetOffset] = charSet;
  const size_t faceLength = std::min(face.size(), kFaceSize - 1);
  std::copy_n(face.begin(), faceLength, record.begin() + kFaceOffset);
  return record;
}
