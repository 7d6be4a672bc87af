#include "app/recorder/pointer_placement.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kBaseDotsPerInch = 96;
constexpr int kHighestDotsPerInch = 96 * 8;
constexpr int kRingRadiusAt96 = 20;
constexpr int kRingPenAt96 = 4;

int Scaled(int pixelsAt96, int dotsPerInch) {
  return static_cast<int>(static_cast<int64_t>(pixelsAt96) * dotsPerInch / kBaseDotsPerInch);
}
}  // namespace

// Worked in 64 bits: a position far off the screen with a large hotspot must not wrap round
// onto it.
std::optional<ScreenPoint> PointerPlaceInSnapshot(ScreenPoint position, PointerPicture picture, ScreenSize screen) {
  if (picture.width < 1 || picture.height < 1) return std::nullopt;
  const int64_t left = static_cast<int64_t>(position.x) - picture.hotspotX;
  const int64_t top = static_cast<int64_t>(position.y) - picture.hotspotY;
  const bool onScreen = left < screen.width && top < screen.height && left + picture.width > 0 &&
                        top + picture.height > 0;
  if (!onScreen) return std::nullopt;
  return ScreenPoint{static_cast<int>(left), static_cast<int>(top)};
}

ClickRing ClickRingAround(ScreenPoint centre, int dotsPerInch) {
  const int dpi = std::clamp(dotsPerInch, kBaseDotsPerInch, kHighestDotsPerInch);
  const int radius = Scaled(kRingRadiusAt96, dpi);
  return {centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1,
          Scaled(kRingPenAt96, dpi)};
}
