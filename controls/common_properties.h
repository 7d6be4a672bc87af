// Properties 0 to 7, the same for every kind: left, top, width, height, tag, visible,
// disabled, mouse cursor. They work on a window that is not loaded too, where they change its
// definition only.
#pragma once
#include "controls/runtime_state.h"

void WriteCommonProperty(LiveWindow& state, UnitDefinition& unit, int index, const PropertyValue& value);
PropertyValue ReadCommonProperty(LiveWindow& state, const UnitDefinition& unit, int index);
