#include "controls/painted/logical_font.h"

#include <cstring>
#include <string_view>

#include "components/services/wide_text.h"

std::optional<LOGFONTW> LogFontFromBytes(const ByteString& bytes) {
  LOGFONTA narrow;
  static_assert(sizeof(narrow) == 60, "a stored font is a 60-byte LOGFONTA");
  if (bytes.size() != sizeof(narrow)) return std::nullopt;
  std::memcpy(&narrow, bytes.data(), sizeof(narrow));
  LOGFONTW wide{};
  wide.lfHeight = narrow.lfHeight;
  wide.lfWidth = narrow.lfWidth;
  wide.lfEscapement = narrow.lfEscapement;
  wide.lfOrientation = narrow.lfOrientation;
  wide.lfWeight = narrow.lfWeight;
  wide.lfItalic = narrow.lfItalic;
  wide.lfUnderline = narrow.lfUnderline;
  wide.lfStrikeOut = narrow.lfStrikeOut;
  wide.lfCharSet = narrow.lfCharSet;
  wide.lfOutPrecision = narrow.lfOutPrecision;
  wide.lfClipPrecision = narrow.lfClipPrecision;
  wide.lfQuality = narrow.lfQuality;
  wide.lfPitchAndFamily = narrow.lfPitchAndFamily;
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
