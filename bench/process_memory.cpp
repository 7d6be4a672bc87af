#include "bench/process_memory.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

namespace {
double Mebibytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }
}  // namespace

// Private bytes are read from PagefileUsage, which Windows defines as the same commit charge
// as PrivateUsage: Wine fills only the former.
ProcessMemory CurrentProcessMemory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return {};
  return {Mebibytes(counters.WorkingSetSize), Mebibytes(counters.PagefileUsage),
          Mebibytes(counters.PeakWorkingSetSize)};
}
