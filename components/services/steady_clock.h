// The system's high-resolution clock, which a take and a playback keep time by: a window timer's
// ticks come late by up to the timer's period (15.6 ms on Windows by default) and later still
// while the thread is busy, so the number of ticks is no measure of time.
#pragma once
#include <cstdint>

// Microseconds since some fixed moment (the performance counter's), never going back.
int64_t SteadyMicroseconds();

// A clock that stands in for the system's: only tests and benchmarks install one, to make ticks
// late, irregular or missing at will; none (null) is the program's own state. Gives back the one
// it replaces.
using SteadyClockStandIn = int64_t (*)();
SteadyClockStandIn SetSteadyClockStandIn(SteadyClockStandIn standIn);
