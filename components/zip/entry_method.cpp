#include "components/zip/entry_method.h"

#include "components/services/ascii_case.h"
#include "components/zip/zip_records.h"

namespace {

// Formats that are compressed already: deflating them again only costs time.
constexpr std::string_view kStoredSuffixes[] = {".z", ".zip", ".zoo", ".arc", ".lzh", ".arj", ".gz", ".tgz"};

}  // namespace

uint16_t MethodForFile(std::string_view entryName) {
  size_t dot = entryName.rfind('.');
  if (dot == std::string_view::npos) return kMethodDeflate;
  std::string_view suffix = entryName.substr(dot);
  for (std::string_view stored : kStoredSuffixes)
    if (EqualIgnoringAsciiCase(suffix, stored)) return kMethodStored;
  return kMethodDeflate;
}
