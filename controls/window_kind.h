// The window kind: the top-level window of a loaded definition, with its own properties from
// index 8 (caption, border, buttons, position, icon, keyboard options, taskbar, topmost).
#pragma once
#include <memory>

#include "controls/control.h"

// The live object of the window unit; Create's parent is the owner window (or null).
std::unique_ptr<Control> MakeFormWindow(WindowId window, UnitDefinition& unit);

// The window's position choice at creation and its visible flag: how step "show" shows it.
int ShowCommandOf(const UnitDefinition& windowUnit);
