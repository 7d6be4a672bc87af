#include "tests/hostile/escape_watch.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/win_paths.h"
#include "tests/support/files.h"

namespace {

std::string FullPathOf(const std::string& path) { return Narrow(FullPath(Widen(path))); }

std::string ParentOf(const std::string& path) {
  size_t last = path.find_last_of("\\/");
  return last == std::string::npos ? std::string() : path.substr(0, last);
}

bool HoldsMarker(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name.find(kEscapeMarker) != std::string::npos;
}

std::set<std::string> MarkersIn(const std::set<std::string>& folders) {
  std::set<std::string> found;
  for (const std::string& folder : folders)
    for (const std::string& name : ListFolder(folder))
      if (HoldsMarker(name)) found.insert(folder + "\\" + name);
  return found;
}

void AddTree(const std::string& folder, const std::string& relative, std::vector<std::string>& tree) {
  for (const std::string& name : ListFolder(folder + (relative.empty() ? "" : "\\" + relative))) {
    std::string path = relative.empty() ? name : relative + "\\" + name;
    tree.push_back(path);
    if (FolderExists(folder + "\\" + path)) AddTree(folder, path, tree);
  }
}

}  // namespace

EscapeWatch::EscapeWatch(const std::string& target) : target_(FullPathOf(target)) {
  for (const std::string& start : {ParentOf(target_), SpecialFolderPath(kTemporaryFolder)})
    for (std::string folder = FullPathOf(start); !folder.empty(); folder = ParentOf(folder)) Watch(folder);
  for (const char* place : {"C:", "C:\\", "Z:", "Z:\\", "Z:\\tmp", "."}) Watch(FullPathOf(place));
}

void EscapeWatch::AddLanding(const std::string& target, const std::string& name) {
  std::string joined = target + "\\" + name;
  std::replace(joined.begin(), joined.end(), '/', '\\');
  const std::string landing = ParentOf(FullPathOf(joined));
  if (!Inside(landing)) Watch(landing);
}

// Case is ignored as the file system ignores it.
bool EscapeWatch::Inside(const std::string& path) const {
  return path.size() >= target_.size() &&
         CompareStringOrdinal(Widen(path.substr(0, target_.size())).c_str(), -1, Widen(target_).c_str(), -1, TRUE) ==
             CSTR_EQUAL &&
         (path.size() == target_.size() || path[target_.size()] == '\\');
}

void EscapeWatch::Watch(const std::string& folder) {
  // A share would be looked up on the network, which no name may reach anyway. A drive's root
  // is kept as "C:" so that its entries read "C:\name".
  std::string trimmed = folder;
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  if (trimmed.empty() || trimmed.rfind("\\\\", 0) == 0 || !folders_.insert(trimmed).second) return;
  std::set<std::string> markers = MarkersIn({trimmed});
  before_.insert(markers.begin(), markers.end());
}

std::vector<std::string> EscapeWatch::Escaped() const {
  std::vector<std::string> escaped;
  for (const std::string& path : MarkersIn(folders_))
    if (!before_.count(path) && !Inside(path)) escaped.push_back(path);
  return escaped;
}

std::vector<std::string> TreeOf(const std::string& folder) {
  std::vector<std::string> tree;
  AddTree(folder, "", tree);
  std::sort(tree.begin(), tree.end());
  return tree;
}
