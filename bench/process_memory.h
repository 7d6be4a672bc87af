// The process's memory as the system counts it, in MiB.
#pragma once

struct ProcessMemory {
  double workingSet;      // pages in memory now
  double privateBytes;    // memory committed to this process alone now (its commit charge)
  double peakWorkingSet;  // the largest working set since the process started
};

// The counters of this moment; all 0 when the system does not answer.
ProcessMemory CurrentProcessMemory();
