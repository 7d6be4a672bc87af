#include "app/player/work_area_fit.h"

#include <algorithm>

PanelSize PanelFittingWorkArea(PanelSize panel, int widthAround, int heightAround, int workWidth, int workHeight) {
  const bool fits = panel.width + widthAround <= workWidth && panel.height + heightAround <= workHeight;
  if (fits || panel.width < 1 || panel.height < 1) return panel;
  const double factor = std::min(static_cast<double>(workWidth - widthAround) / panel.width,
                                 static_cast<double>(workHeight - heightAround) / panel.height);
  return {std::max(1, static_cast<int>(panel.width * factor)), std::max(1, static_cast<int>(panel.height * factor))};
}

int KeptWithin(int start, int length, int low, int high) {
  if (start + length > high) start = high - length;
  return std::max(start, low);
}
