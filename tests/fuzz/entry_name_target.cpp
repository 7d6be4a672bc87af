// The entry-name check on any bytes, held against what a safe name can never hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "components/zip/entry_name_safety.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// Whether some element between separators is exactly "..", or (with `dotsAndEmpty`) "." or
// empty as well.
bool HasElement(std::string_view name, bool dotsAndEmpty) {
  size_t start = 0;
  for (size_t end = 0; end <= name.size(); ++end) {
    if (end < name.size() && !IsSeparator(name[end])) continue;
    std::string_view element = name.substr(start, end - start);
    if (element == ".." || (dotsAndEmpty && (element == "." || element.empty()))) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  if (!IsSafeEntryName(name)) return 0;
  const bool escapes = name.empty() || IsSeparator(name.front()) || name.find(':') != std::string_view::npos ||
                       name.find('\0') != std::string_view::npos || HasElement(name, false);
  if (escapes) std::abort();
  // The joined path holds only elements that name something (a final "\\" marks a folder), and
  // no "/".
  std::string path = EntryPathInFolder(name);
  if (!path.empty() && path.back() == '\\') path.pop_back();
  if (path.find('/') != std::string::npos || (!path.empty() && HasElement(path, true))) std::abort();
  return 0;
}
