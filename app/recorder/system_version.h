// The version of Windows the program runs on, as the system itself reports it, and what the
// recorder can ask of that version.
#pragma once
#include <cstdint>

struct SystemVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
};

// The running system's true version. GetVersionEx would answer 6.2 on every later system, as
// the program's manifest names no supported systems; the kernel's own answer does not lie.
// All zero when it cannot be read.
SystemVersion RunningSystemVersion();

// Whether a window can be kept out of screen captures on `version`: Windows 10 version 2004
// (build 19041) and later, Windows 11 included (it still reports 10.0). Earlier systems take the
// exclusion for the older monitor-only affinity and would put a black box in the frames instead.
bool KeepsWindowsOutOfCaptures(SystemVersion version);
