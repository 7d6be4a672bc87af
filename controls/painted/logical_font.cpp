#include "controls/painted/logical_font.h"

#include <cstddef>
#include <cstring>
#include <string_view>

#include "components/services/wide_text.h"
#include "controls/property_value.h"

void StoreFont(ByteString& stored, const PropertyValue& value) {
  ByteString bytes = AsBytes(value);
  stored = bytes.size() == sizeof(LOGFONTA) ? std::move(bytes) : ByteString();
}

std::optional<LOGFONTW> LogFontFromBytes(const ByteString& bytes) {
  LOGFONTA narrow;
  static_assert(sizeof(narrow) == 60, "a stored font is a 60-byte LOGFONTA");
  if (bytes.size() != sizeof(narrow)) return std::nullopt;
  std::memcpy(&narrow, bytes.data(), sizeof(narrow));
  // Both records hold the same numeric fields before the face name; only its characters differ.
  static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(LOGFONTW, lfFaceName));
  LOGFONTW wide{};
  std::memcpy(&wide, &narrow, offsetof(LOGFONTA, lfFaceName));
  std::string_view face(narrow.lfFaceName, strnlen(narrow.lfFaceName, LF_FACESIZE));
  std::wstring wideFace = FromAnsi(face).substr(0, LF_FACESIZE - 1);
  wideFace.copy(wide.lfFaceName, wideFace.size());
  return wide;
}

FontHandle CreateFontFromBytes(const ByteString& bytes) {
  std::optional<LOGFONTW> font = LogFontFromBytes(bytes);
  return font ? FontHandle(CreateFontIndirectW(&*font)) : FontHandle();
}

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
