#include "app/settings/settings_window_units.h"

#include "controls/property_indexes.h"
#include "forms/settings_window.h"

UnitAddress SettingsUnit(UnitId unit) { return {SettingsWindow::kId, unit}; }

void ShowOption(UnitId box, bool on) { WriteProperty(SettingsUnit(box), check_box_property::kValue, on ? 1 : 0); }
bool OptionIn(UnitId box) { return ReadInt(SettingsUnit(box), check_box_property::kValue) != 0; }

void ShowNote(UnitId unit, bool shown) { WriteProperty(SettingsUnit(unit), common_property::kVisible, shown ? 1 : 0); }

void ShowChoice(UnitId box, const std::vector<std::string>& items, int current) {
  std::string lines;
  for (const std::string& item : items) lines += (lines.empty() ? "" : "\r\n") + item;
  WriteProperty(SettingsUnit(box), combo_box_property::kItems, lines);
  WriteProperty(SettingsUnit(box), combo_box_property::kCurrentItem, current);
}
int ChoiceIn(UnitId box) { return ReadInt(SettingsUnit(box), combo_box_property::kCurrentItem); }
