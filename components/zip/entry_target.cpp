#include "components/zip/entry_target.h"

#include <windows.h>

#include "components/services/wide_text.h"
#include "components/zip/entry_name_safety.h"
#include "components/zip/win_paths.h"

namespace {

bool StartsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix) {
  return text.size() > prefix.size() &&
         CompareStringOrdinal(text.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                              static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

EntryTargets::EntryTargets(const std::wstring& folder) : folder_(folder), fullFolder_(FullPath(folder)) {
  if (!fullFolder_.empty() && fullFolder_.back() != L'\\') fullFolder_ += L'\\';
}

// The name check already refuses every way out; the full-path comparison is the second
// line, should the system resolve a name in a way the check did not foresee.
bool EntryTargets::PathFor(const std::string& name, std::wstring* path) const {
  if (fullFolder_.empty() || !IsSafeEntryName(name)) return false;
  const std::string relative = EntryPathInFolder(name);
  if (relative.empty()) {
    *path = folder_;
    return true;
  }
  *path = JoinPath(folder_, Widen(relative));
  return StartsWithIgnoringCase(FullPath(*path), fullFolder_);
}
