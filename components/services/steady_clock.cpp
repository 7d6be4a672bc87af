#include "components/services/steady_clock.h"

#include <windows.h>

namespace {
SteadyClockStandIn standInClock = nullptr;

// The counter's frequency is fixed at boot, so it is asked once. Whole seconds and the rest are
// scaled apart, so the product never overflows however long the machine has run.
int64_t CounterMicroseconds() {
  static const int64_t frequency = [] {
    LARGE_INTEGER value{};
    QueryPerformanceFrequency(&value);
    return value.QuadPart > 0 ? value.QuadPart : 1;
  }();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart / frequency * 1'000'000 + now.QuadPart % frequency * 1'000'000 / frequency;
}
}  // namespace

int64_t SteadyMicroseconds() { return standInClock ? standInClock() : CounterMicroseconds(); }

SteadyClockStandIn SetSteadyClockStandIn(SteadyClockStandIn standIn) {
  const SteadyClockStandIn replaced = standInClock;
  standInClock = standIn;
  return replaced;
}
