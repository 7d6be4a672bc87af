#include "components/services/folder_entries.h"

#include <cwchar>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"

void ForEachFolderEntry(const std::string& folder, const std::function<bool(const WIN32_FIND_DATAW&)>& visit) {
  if (folder.empty()) return;
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW(Widen(folder + "\\*").c_str(), &found));
  if (!search) return;
  do {
    if (wcscmp(found.cFileName, L".") == 0 || wcscmp(found.cFileName, L"..") == 0) continue;
    if (!visit(found)) return;
  } while (FindNextFileW(search.get(), &found));
}
