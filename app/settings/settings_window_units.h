// How the settings window's handlers show a setting in a unit of the window and read it back.
#pragma once
#include <string>
#include <vector>

#include "controls/runtime.h"

UnitAddress SettingsUnit(UnitId unit);

void ShowOption(UnitId box, bool on);
bool OptionIn(UnitId box);
// Shows or hides a line that applies only sometimes (a note, a reason, a level bar).
void ShowNote(UnitId unit, bool shown);
// A drop-down list's items, one a line as the combo box takes them, with item `current` chosen.
void ShowChoice(UnitId box, const std::vector<std::string>& items, int current);
// The item chosen, -1 for none.
int ChoiceIn(UnitId box);
