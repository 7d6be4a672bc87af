// Timing for the benchmarks: a steady clock in milliseconds and the median of a series.
#pragma once
#include <vector>

// Milliseconds since a fixed point of this run, from the performance counter.
double NowMilliseconds();

// Processor time this process has used so far, user and kernel, in milliseconds. Its grain is
// coarse (10 ms under Wine), so it is read over many frames. Where other work shares the
// cores, it tells what the work itself costs when the wall clock also counts the waiting.
double ProcessorMilliseconds();

// The middle value of the series (the upper middle one for an even count); 0 when empty.
double Median(std::vector<double> values);
