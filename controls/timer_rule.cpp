#include "controls/timer_rule.h"

TimerWrite ApplyTimerWrite(int32_t current, int32_t written) {
  const int32_t stored = written < 0 ? 0 : written;
  if (stored == current) return {current, false, false};
  return {stored, true, stored > 0};
}
