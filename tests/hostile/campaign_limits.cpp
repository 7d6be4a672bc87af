#include "tests/hostile/campaign_limits.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdlib>
#include <cstring>

bool LongMode() {
  const char* value = std::getenv("VELMO_HOSTILE_LONG");
  return value && std::strcmp(value, "1") == 0;
}

size_t CampaignSize(size_t sample, size_t all) { return LongMode() ? all : sample; }

namespace {

PROCESS_MEMORY_COUNTERS MemoryCounters() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return {};
  return counters;
}

double Mebibytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

}  // namespace

double PeakWorkingSetMiB() { return Mebibytes(MemoryCounters().PeakWorkingSetSize); }

double WorkingSetMiB() { return Mebibytes(MemoryCounters().WorkingSetSize); }

HeldObjects CurrentHeldObjects() {
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  return {handles, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)};
}
