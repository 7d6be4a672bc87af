// Makes the live object of a unit's kind. Each kind lives in its own file and offers one
// maker; the runtime picks the maker by the unit's kind.
#pragma once
#include <memory>

#include "controls/control.h"

std::unique_ptr<Control> MakeButton(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeLabel(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeGroupBox(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeComboBox(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeProcessBar(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeSliderBar(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeDrawPanel(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeCommonDlg(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeTimer(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeZipComponent(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeCheckBox(WindowId window, UnitDefinition& unit);
std::unique_ptr<Control> MakeHotkeyBox(WindowId window, UnitDefinition& unit);

// The maker for the unit's kind; null for the window and menu items, which the runtime
// builds itself.
std::unique_ptr<Control> MakeControl(WindowId window, UnitDefinition& unit);
