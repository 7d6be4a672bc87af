#include "controls/ansi_text.h"

#include "components/services/wide_text.h"

namespace {
constexpr size_t kTrayTipBytes = 62;

bool StartsDoubleByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
}  // namespace

std::string CutAnsiText(const std::string& ansi, size_t maxBytes) {
  size_t end = 0;
  while (end < ansi.size()) {
    const size_t length = StartsDoubleByte(static_cast<unsigned char>(ansi[end])) && end + 1 < ansi.size() ? 2 : 1;
    if (end + length > maxBytes) break;
    end += length;
  }
  return ansi.substr(0, end);
}

std::wstring TrayTipText(const std::string& utf8Tip) {
  return FromAnsi(CutAnsiText(ToAnsi(Widen(utf8Tip)), kTrayTipBytes));
}
