#include "app/recorder/system_version.h"

#include <windows.h>

namespace {
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
constexpr uint32_t kFirstBuildExcludingFromCapture = 19041;
}  // namespace

SystemVersion RunningSystemVersion() {
  const auto getVersion = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!getVersion || getVersion(&info) != 0) return {};
  return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

bool KeepsWindowsOutOfCaptures(SystemVersion version) {
  if (version.major != 10) return version.major > 10;
  return version.minor > 0 || version.build >= kFirstBuildExcludingFromCapture;
}
