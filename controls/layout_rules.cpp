#include "controls/layout_rules.h"

#include <algorithm>

namespace {
constexpr int32_t kLargestCoordinate = 32627;

bool IsControl(const UnitDefinition& unit) { return UnitClass(unit.id) == kControlUnitClass; }
}  // namespace

int32_t ClampPosition(int32_t value) { return std::clamp(value, -kLargestCoordinate, kLargestCoordinate); }

int32_t ClampSize(int32_t value) { return std::clamp(value, 0, kLargestCoordinate); }

Point CentredPosition(int width, int height, int screenWidth, int screenHeight) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

std::vector<StackingPlace> StackingOrder(std::span<const UnitDefinition> units) {
  std::vector<StackingPlace> places;
  for (size_t i = 0; i < units.size(); ++i) {
    if (!IsControl(units[i])) continue;
    UnitId below = 0;
    for (size_t j = i; j-- > 0;) {
      if (IsControl(units[j]) && units[j].container == units[i].container) {
        below = units[j].id;
        break;
      }
    }
    places.push_back({units[i].id, below});
  }
  return places;
}
