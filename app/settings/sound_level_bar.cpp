#include "app/settings/sound_level_bar.h"

#include <cmath>

int LevelBarPosition(float peak, int levelPercent) {
  const double heard = static_cast<double>(peak) * levelPercent / 100.0;
  if (!(heard > 0.0)) return 0;
  if (heard >= 1.0) return kLevelBarFull;
  const double decibels = 20.0 * std::log10(heard);
  if (decibels <= -kQuietestShownDecibels) return 0;
  return static_cast<int>(std::lround((1.0 + decibels / kQuietestShownDecibels) * kLevelBarFull));
}
