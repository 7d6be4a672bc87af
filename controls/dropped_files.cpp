#include "controls/dropped_files.h"

#include <shellapi.h>

#include <map>

#include "components/services/wide_text.h"
#include "controls/runtime_state.h"

namespace {

// The routines of the windows that accept drops; a destroyed window's routine stays harmless,
// since only a window that called DragAcceptFiles is sent drops, and a new load asks again.
std::map<WindowId, DropRoutine>& DropRoutines() {
  static std::map<WindowId, DropRoutine> routines;
  return routines;
}

// The most a path may hold, as the system's long paths allow.
constexpr UINT kMaxDroppedPath = 32767;

std::vector<std::string> DroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    if (length == 0 || length > kMaxDroppedPath) continue;
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
    if (!path.empty()) paths.push_back(Narrow(path));
  }
  return paths;
}

}  // namespace

void AcceptDroppedFiles(WindowId window, DropRoutine routine) {
  const HWND hwnd = WindowHandle(window);
  if (!hwnd) return;
  DropRoutines()[window] = routine;
  DragAcceptFiles(hwnd, TRUE);
}

void DeliverDroppedFiles(WindowId window, HDROP drop) {
  const std::vector<std::string> paths = DroppedPaths(drop);
  DragFinish(drop);
  const auto found = DropRoutines().find(window);
  if (found != DropRoutines().end() && found->second && !paths.empty()) found->second(paths);
}
