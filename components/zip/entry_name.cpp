#include "components/zip/entry_name.h"

#include "components/services/wide_text.h"
#include "components/zip/zip_records.h"

std::string StoredEntryName(std::string_view relativePath, bool folder) {
  std::wstring name = Widen(relativePath);
  for (wchar_t& c : name)
    if (c == L'\\') c = L'/';
  if (folder && (name.empty() || name.back() != L'/')) name += L'/';
  return ToAnsi(name);
}

std::string EntryNameText(std::string_view stored, uint16_t flags) {
  return Narrow((flags & kFlagUtf8Name) ? Widen(stored) : FromAnsi(stored));
}
