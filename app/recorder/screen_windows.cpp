#include "app/recorder/screen_windows.h"

#include <windows.h>
#include <dwmapi.h>

#include <algorithm>

#include "components/services/screen_pixels.h"
#include "controls/loaded_form_windows.h"

namespace {

struct WindowSearch {
  std::vector<HWND> own;
  AreaEdges screen;
  std::vector<AreaEdges> found;
};

bool IsCloaked(HWND window) {
  DWORD cloaked = 0;
  return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof(cloaked))) && cloaked != 0;
}

// The frame's extended bounds are in physical pixels on every system that reports them.
RECT VisibleBounds(HWND window) {
  RECT bounds{};
  if (SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &bounds, sizeof(bounds))) &&
      bounds.right > bounds.left && bounds.bottom > bounds.top)
    return bounds;
  GetWindowRect(window, &bounds);
  return bounds;
}

BOOL CALLBACK KeepSeenWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  if (!IsWindowVisible(window) || IsIconic(window) || IsCloaked(window)) return TRUE;
  if (std::find(search.own.begin(), search.own.end(), window) != search.own.end()) return TRUE;
  const RECT bounds = VisibleBounds(window);
  const AreaEdges seen = Clipped({bounds.left, bounds.top, bounds.right, bounds.bottom}, search.screen);
  if (!seen.IsEmpty()) search.found.push_back(seen);
  return TRUE;
}

}  // namespace

AreaEdges VirtualScreenEdges() {
  const PhysicalScreenScope physical;
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The system lists top-level windows in their order on the screen, topmost first.
std::vector<AreaEdges> VisibleWindowAreas() {
  WindowSearch search{LoadedFormWindows(), VirtualScreenEdges(), {}};
  const PhysicalScreenScope physical;
  EnumWindows(KeepSeenWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
