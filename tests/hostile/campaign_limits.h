// How large a campaign runs and what it may cost. The default suite runs a sample of each
// campaign; with the environment variable VELMO_HOSTILE_LONG=1 (`make test-long`) every case
// runs.
#pragma once
#include <cstddef>

// True when VELMO_HOSTILE_LONG is set to 1.
bool LongMode();
// `all` in long mode, else `sample`.
size_t CampaignSize(size_t sample, size_t all);

// No hostile input may take the process's peak working set above this.
constexpr double kPeakMemoryBoundMiB = 300;
// The largest working set of the process since it started, and the working set now, in MiB; 0
// when the system does not answer.
double PeakWorkingSetMiB();
double WorkingSetMiB();
// Kernel handles and GDI objects the process holds now; flat over a campaign when no failure
// path leaks.
struct HeldObjects {
  unsigned long handles;
  unsigned long gdiObjects;
};
HeldObjects CurrentHeldObjects();
