// Pure rules of window layout: the common geometry clamps, the centred position and the
// stacking order of a window's controls.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "controls/form_definition.h"

// Left and top are kept within -32627..32627; width and height within 0..32627.
int32_t ClampPosition(int32_t value);
int32_t ClampSize(int32_t value);

struct Point {
  int x;
  int y;
};
// The top-left corner that centres an outer size on a screen of the given size.
Point CentredPosition(int width, int height, int screenWidth, int screenHeight);

// For every control in list order (the window unit and menu items are skipped): the unit it is
// placed directly below, which is the nearest earlier control of the same container, or 0 when
// it goes to the top of its container. Earlier in the list means drawn above.
struct StackingPlace {
  UnitId unit;
  UnitId below;
};
std::vector<StackingPlace> StackingOrder(std::span<const UnitDefinition> units);
