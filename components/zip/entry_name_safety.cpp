#include "components/zip/entry_name_safety.h"

#include "components/services/ascii_case.h"

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

// "." and empty elements name nothing and are left out when the name is joined.
bool NamesNothing(std::string_view element) { return element.empty() || element == "."; }

bool IsSafeElement(std::string_view element) {
  return NamesNothing(element) || (!IsOnlyDotsAndSpaces(element) && !IsDeviceName(element));
}

// Calls `visit` with each element between separators, in order; stops at the first false.
template <typename Visit>
bool EveryElement(std::string_view name, Visit visit) {
  size_t start = 0;
  while (true) {
    size_t end = start;
    while (end < name.size() && !IsSeparator(name[end])) ++end;
    if (!visit(name.substr(start, end - start))) return false;
    if (end >= name.size()) return true;
    start = end + 1;
  }
}

}  // namespace

bool IsSafeEntryName(std::string_view name) {
  if (name.empty() || IsSeparator(name.front()) || HasForbiddenCharacter(name)) return false;
  return EveryElement(name, IsSafeElement);
}

std::string EntryPathInFolder(std::string_view name) {
  std::string path;
  EveryElement(name, [&path](std::string_view element) {
    if (NamesNothing(element)) return true;
    if (!path.empty()) path += '\\';
    path += element;
    return true;
  });
  if (!path.empty() && IsSeparator(name.back())) path += '\\';
  return path;
}
