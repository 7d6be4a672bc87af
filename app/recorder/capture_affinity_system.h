// What keeping the program's windows out of the frames asks of the system, in one place that
// tests may replace: this Wine reports an older Windows and only stores nothing, so without a
// stand-in the calls could not be seen at all.
#pragma once
#include <windows.h>

#include "app/recorder/system_version.h"

struct CaptureAffinitySystem {
  SystemVersion (*version)();                // RunningSystemVersion
  BOOL(WINAPI* setAffinity)(HWND, DWORD);  // SetWindowDisplayAffinity
};

// Makes `system` the one asked from now on; gives back the one it replaces. The program's own is
// the real system's.
CaptureAffinitySystem SetCaptureAffinitySystem(CaptureAffinitySystem system);
