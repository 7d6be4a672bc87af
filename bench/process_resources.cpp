#include "bench/process_resources.h"

#include <windows.h>

namespace {

// Wine finds a GDI object by the low 16 bits of its handle alone.
constexpr ULONG_PTR kGdiIndexes = 0x10000;
// Kernel handles are multiples of 4; a program of this size stays far below.
constexpr ULONG_PTR kLargestHandle = 0x10000;

long ProbeGdiObjects() {
  long count = 0;
  for (ULONG_PTR index = 1; index < kGdiIndexes; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}

long ProbeHandles() {
  long count = 0;
  DWORD flags = 0;
  for (ULONG_PTR value = 4; value < kLargestHandle; value += 4) {
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

long ProbeWindows() {
  long count = 0;
  EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

ProcessResources CurrentProcessResources() {
  ProcessResources counts;
  const HANDLE process = GetCurrentProcess();
  DWORD handles = 0;
  GetProcessHandleCount(process, &handles);
  counts.gdiObjects = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
  counts.userObjects = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
  counts.handles = static_cast<long>(handles);
  if (counts.gdiObjects == 0 && counts.userObjects == 0 && counts.handles == 0) {
    counts.gdiObjects = ProbeGdiObjects();
    counts.userObjects = ProbeWindows();
    counts.handles = ProbeHandles();
    counts.probed = true;
  }
  return counts;
}
