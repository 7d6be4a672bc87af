#include "controls/font_record.h"

#include <algorithm>

#include "components/services/little_endian.h"

namespace {

constexpr size_t kCharSetOffset = 23;
constexpr size_t kFaceOffset = 28;
constexpr size_t kFaceSize = 32;

}  // namespace

ByteString FontRecord(int32_t height, int32_t weight, uint8_t charSet, std::string_view face) {
  ByteString record(kFontRecordSize, 0);
  SetLe32(record.data(), 0, static_cast<uint32_t>(height));
  SetLe32(record.data(), 16, static_cast<uint32_t>(weight));
  record[kCharSetOffset] = charSet;
  const size_t faceLength = std::min(face.size(), kFaceSize - 1);
  std::copy_n(face.begin(), faceLength, record.begin() + kFaceOffset);
  return record;
}
