#include "controls/ansi_text.h"

#include <windows.h>

#include "components/services/wide_text.h"

namespace {
constexpr size_t kTrayTipBytes = 62;

size_t CharacterLength(std::wstring_view text, size_t at) {
  const bool pair = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1]);
  return pair ? 2 : 1;
}
}  // namespace

std::wstring CutToCodePageBytes(std::wstring_view text, size_t maxBytes, unsigned codePage) {
  size_t end = 0;
  size_t bytes = 0;
  while (end < text.size()) {
    const size_t length = CharacterLength(text, end);
    const int converted =
        WideCharToMultiByte(codePage, 0, text.data() + end, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (converted <= 0 || bytes + static_cast<size_t>(converted) > maxBytes) break;
    bytes += static_cast<size_t>(converted);
    end += length;
  }
  return std::wstring(text.substr(0, end));
}

std::wstring TrayTipText(const std::string& utf8Tip) { return CutToCodePageBytes(Widen(utf8Tip), kTrayTipBytes, GetACP()); }
