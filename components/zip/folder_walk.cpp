#include "components/zip/folder_walk.h"

#include <windows.h>

#include <vector>

#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "components/zip/file_entries.h"
#include "components/zip/progress.h"
#include "components/zip/win_paths.h"

namespace {

struct WalkState {
  ArchiveWriter& archive;
  ProgressSink* sink;
  uint64_t total;
  uint64_t done = 0;
  bool stop = false;
};

bool IsDotEntry(const wchar_t* name) { return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0; }

bool IsListedFolder(const WIN32_FIND_DATAW& found) { return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

std::wstring RelativeChild(const std::wstring& relative, const wchar_t* name) {
  return relative.empty() ? std::wstring(name) : relative + L'\\' + name;
}

// Calls `visit(found)` for each listed item other than "." and ".." until it answers false.
// False only when the folder cannot be listed; an empty listing (a drive root holds no "."
// entry) is not a failure.
template <typename Visit>
bool ListFolder(const std::wstring& folder, Visit visit) {
  WIN32_FIND_DATAW found;
  FindHandle find(FindFirstFileW(JoinPath(folder, L"*.*").c_str(), &found));
  if (!find) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    if (!IsDotEntry(found.cFileName) && !visit(found)) break;
  } while (FindNextFileW(find.get(), &found));
  return true;
}

// Counts one more entry done and raises the event; remembers a stop request.
void EntryDone(WalkState& state) {
  ++state.done;
  if (RaiseAndAskStop(state.sink, ZipEvent::PackProgress, PercentDone(state.done, state.total))) state.stop = true;
}

bool WalkFolder(WalkState& state, const std::wstring& folder, const std::wstring& relative);

// The folder is listed whole first, so that its coming files can be deflated ahead; each is
// still checked for existence just before its entry is added.
bool AddFiles(WalkState& state, const std::wstring& folder, const std::wstring& relative) {
  std::vector<FileEntrySource> files;
  bool listed = ListFolder(folder, [&](const WIN32_FIND_DATAW& found) {
    if (!IsListedFolder(found)) {
      files.push_back({JoinPath(folder, found.cFileName), Narrow(RelativeChild(relative, found.cFileName))});
    }
    return true;
  });
  if (!listed) return false;
  return AddFileEntries(state.archive, files, VanishedFile::Skip, [&] {
    EntryDone(state);
    return !state.stop;
  });
}

bool AddFolders(WalkState& state, const std::wstring& folder, const std::wstring& relative) {
  bool failed = false;
  bool listed = ListFolder(folder, [&](const WIN32_FIND_DATAW& found) {
    if (!IsListedFolder(found)) return true;
    std::wstring childRelative = RelativeChild(relative, found.cFileName);
    failed = !state.archive.AddFolder(Narrow(childRelative));
    if (failed) return false;
    EntryDone(state);
    failed = !WalkFolder(state, JoinPath(folder, found.cFileName), childRelative);
    return !failed;
  });
  return listed && !failed;
}

bool WalkFolder(WalkState& state, const std::wstring& folder, const std::wstring& relative) {
  if (state.stop) return true;
  return AddFiles(state, folder, relative) && AddFolders(state, folder, relative);
}

}  // namespace

uint64_t CountTree(const std::wstring& root) {
  uint64_t count = 0;
  ListFolder(root, [&](const WIN32_FIND_DATAW& found) {
    std::wstring path = JoinPath(root, found.cFileName);
    if (!PathExists(path)) return true;
    ++count;
    if (IsListedFolder(found)) count += CountTree(path);
    return true;
  });
  return count;
}

bool WalkTree(ArchiveWriter& archive, const std::wstring& root, uint64_t total, ProgressSink* sink) {
  WalkState state{archive, sink, total};
  return WalkFolder(state, root, L"");
}
