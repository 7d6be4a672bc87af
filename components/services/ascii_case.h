// Case-insensitive comparison of ASCII letters in byte texts, the way suffixes, device names and
// the settings file's names are matched; bytes outside A-Z and a-z compare exactly.
#pragma once
#include <string_view>

inline char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}
