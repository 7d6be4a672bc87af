#include "controls/painted/picture_format.h"

#include <algorithm>
#include <string_view>

namespace {

bool StartsWith(ByteSpan bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                    [](char expected, uint8_t actual) { return static_cast<uint8_t>(expected) == actual; });
}

}  // namespace

PictureFormat PictureFormatOf(ByteSpan bytes) {
  using namespace std::string_view_literals;
  if (StartsWith(bytes, "\xFF\xD8"sv)) return PictureFormat::Jpeg;
  if (StartsWith(bytes, "BM"sv)) return PictureFormat::Bmp;
  if (StartsWith(bytes, "\0\0\1\0"sv)) return PictureFormat::Icon;
  if (StartsWith(bytes, "\0\0\2\0"sv)) return PictureFormat::Cursor;
  if (StartsWith(bytes, "GIF87a"sv) || StartsWith(bytes, "GIF89a"sv)) return PictureFormat::Gif;
  if (StartsWith(bytes, "\x0A"sv)) return PictureFormat::Pcx;
  return PictureFormat::None;
}
