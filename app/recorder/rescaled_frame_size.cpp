#include "app/recorder/rescaled_frame_size.h"

namespace {
int PercentOf(int side, int percent) { return static_cast<int>(static_cast<double>(side) * percent / 100.0); }
}  // namespace

FrameSize RescaledFrameSize(int screenWidth, int screenHeight, int qualityPercent) {
  return {PercentOf(screenWidth, qualityPercent), PercentOf(screenHeight, qualityPercent)};
}
