// Builders the form tables share for their units: the flag sets of controls the Tab key
// reaches, and a menu item.
#pragma once
#include "controls/form_definition.h"

inline constexpr uint32_t kVisibleTabStop = kFlagVisible | kFlagTabStop;
inline constexpr uint32_t kDisabledTabStop = kFlagVisible | kFlagDisabled | kFlagTabStop;

// A menu item at `level` (1 below the menu's root) with its menu flags (kMenuHidden ...), its
// caption ("-" for a separator) and the handler its choice runs.
inline UnitDefinition MenuItem(UnitId id, int level, uint32_t flags, const char* caption, HandlerRef handler) {
  return {.id = id,
          .properties = MenuItemProperties{.level = level, .flags = flags, .caption = caption, .handler = handler}};
}
