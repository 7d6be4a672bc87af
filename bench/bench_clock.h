// Timing for the benchmarks: a steady clock in milliseconds and the median of a series.
#pragma once
#include <vector>

// Milliseconds since a fixed point of this run, from the performance counter.
double NowMilliseconds();

// The middle value of the series (the upper middle one for an even count); 0 when empty.
double Median(std::vector<double> values);
