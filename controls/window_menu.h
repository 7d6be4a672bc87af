// A window's menu built from its menu-item units: the menu bar (with the accelerator table of
// the items' hot keys), the properties of menu items and the pop-up menu service.
#pragma once
#include "controls/runtime_state.h"

// Builds (again) the window's menu bar and accelerator table from its menu items; a window
// whose top items are all hidden gets no menu bar.
void RebuildWindowMenu(LiveWindow& state);
// The menu item behind a menu or accelerator command id; null when there is none.
const UnitDefinition* MenuItemOfCommand(LiveWindow& state, int commandId);

// Menu item properties: 0 caption, 1 check mark, 2 disabled, 3 visible.
void WriteMenuItemProperty(LiveWindow& state, UnitDefinition& item, int index, const PropertyValue& value);
PropertyValue ReadMenuItemProperty(const UnitDefinition& item, int index);
