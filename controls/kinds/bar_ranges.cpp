#include "controls/kinds/bar_ranges.h"

#include <algorithm>

namespace {
constexpr int32_t kLargestBarValue = 32767;
}

BarRange ProgressRange(int32_t minimum, int32_t maximum) {
  const int32_t a = std::clamp(minimum, 0, kLargestBarValue);
  const int32_t b = std::clamp(maximum, 0, kLargestBarValue);
  return {std::min(a, b), std::max(a, b)};
}

int32_t ShownPosition(int32_t position, BarRange range) { return std::clamp(position, range.low, range.high); }

int32_t SliderStep(int32_t step, BarRange range) {
  const int32_t length = std::max(range.high - range.low, 1);
  return std::clamp(step, 1, length);
}
