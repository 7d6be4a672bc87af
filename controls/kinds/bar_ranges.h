// The range rules of ProcessBar and SliderBar. Pure.
#pragma once
#include <cstdint>

struct BarRange {
  int32_t low;
  int32_t high;
};

// A progress bar's range: the smaller and the larger of minimum and maximum, each 0..32767.
BarRange ProgressRange(int32_t minimum, int32_t maximum);
// A value shown on a bar: brought into the range.
int32_t ShownPosition(int32_t position, BarRange range);
// A slider step size (tick frequency, page size, line size): at least 1, at most the range
// length (and at least 1 when the range is empty).
int32_t SliderStep(int32_t step, BarRange range);
