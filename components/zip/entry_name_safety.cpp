#include "components/zip/entry_name_safety.h"

#include "components/zip/ascii_case.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool HasForbiddenCharacter(std::string_view name) {
  for (char c : name) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == ':') return true;
  }
  return false;
}

bool IsOnlyDotsAndSpaces(std::string_view element) {
  return element.find_first_not_of(". ") == std::string_view::npos;
}

// Windows opens the device whatever follows the first "." and ignores trailing spaces before
// it, so "con", "CON.txt" and "Con .tar.gz" all name the console.
bool IsDeviceName(std::string_view element) {
  std::string_view base = element.substr(0, element.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
    if (EqualIgnoringAsciiCase(base, device)) return true;
  if (base.size() < 4) return false;
  std::string_view stem = base.substr(0, 3);
  if (!EqualIgnoringAsciiCase(stem, "COM") && !EqualIgnoringAsciiCase(stem, "LPT")) return false;
  std::string_view digit = base.substr(3);
  if (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') return true;
  // Superscript one, two and three in UTF-8.
  return digit == "\xC2\xB9" || digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

bool IsSafeElement(std::string_view element, bool last) {
  if (element.empty()) return last;
  return !IsOnlyDotsAndSpaces(element) && !IsDeviceName(element);
}

}  // namespace

bool IsSafeEntryName(std::string_view name) {
  if (name.empty() || IsSeparator(name.front()) || HasForbiddenCharacter(name)) return false;
  size_t start = 0;
  while (true) {
    size_t end = start;
    while (end < name.size() && !IsSeparator(name[end])) ++end;
    bool last = end >= name.size();
    if (!IsSafeElement(name.substr(start, end - start), last)) return false;
    if (last) return true;
    start = end + 1;
  }
}
