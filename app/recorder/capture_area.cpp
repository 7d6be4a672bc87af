#include "app/recorder/capture_area.h"

#include <windows.h>

#include <algorithm>

#include "components/services/screen_pixels.h"

namespace {

MonitorListStandIn monitorListStandIn = nullptr;

struct FoundMonitor {
  ScreenArea area;
  bool primary = false;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const RECT& r = info.rcMonitor;
  reinterpret_cast<std::vector<FoundMonitor>*>(found)->push_back(
      {{r.left, r.top, r.right - r.left, r.bottom - r.top}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  return TRUE;
}

bool ComesFirst(const FoundMonitor& a, const FoundMonitor& b) {
  if (a.primary != b.primary) return a.primary;
  if (a.area.left != b.area.left) return a.area.left < b.area.left;
  return a.area.top < b.area.top;
}

}  // namespace

std::vector<ScreenArea> MonitorAreas() {
  if (monitorListStandIn) return monitorListStandIn();
  const PhysicalScreenScope physical;
  std::vector<FoundMonitor> found;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&found));
  std::sort(found.begin(), found.end(), ComesFirst);
  std::vector<ScreenArea> areas;
  for (const FoundMonitor& monitor : found) areas.push_back(monitor.area);
  return areas;
}

ScreenArea VirtualScreenArea() {
  const PhysicalScreenScope physical;
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

MonitorListStandIn SetMonitorListStandIn(MonitorListStandIn standIn) {
  const MonitorListStandIn replaced = monitorListStandIn;
  monitorListStandIn = standIn;
  return replaced;
}

ScreenArea TakeAreaFor(CaptureChoice choice, const ScreenArea& remembered, const ScreenArea& screen) {
  if (choice == CaptureChoice::FullScreen) return {};
  const int left = std::max(remembered.left, screen.left), top = std::max(remembered.top, screen.top);
  const int right = std::min(remembered.left + remembered.width, screen.left + screen.width);
  const int bottom = std::min(remembered.top + remembered.height, screen.top + screen.height);
  if (right - left < kSmallestAreaSide || bottom - top < kSmallestAreaSide) return {};
  return {left, top, right - left, bottom - top};
}
