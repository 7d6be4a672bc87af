#include "app/player/work_area_fit.h"

#include <algorithm>

PanelSize PanelFittingWorkArea(PanelSize panel, int frameWidth, int frameHeight, int workWidth, int workHeight) {
  const bool fits = panel.width + frameWidth <= workWidth && panel.height + frameHeight <= workHeight;
  if (fits || panel.width < 1 || panel.height < 1) return panel;
  const double factor = std::min(static_cast<double>(workWidth - frameWidth) / panel.width,
                                 static_cast<double>(workHeight - frameHeight) / panel.height);
  return {std::max(1, static_cast<int>(panel.width * factor)), std::max(1, static_cast<int>(panel.height * factor))};
}

int KeptWithin(int start, int length, int low, int high) {
  if (start + length > high) start = high - length;
  return std::max(start, low);
}
