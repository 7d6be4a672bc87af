// The handlers of the settings window "设置" and of the tray menu's 设置 that opens it.
#pragma once
#include <string>

#include "controls/runtime.h"

// Puts the settings window's routines, and the tray menu's 设置, into the program's handler table.
void AddSettingsWindowHandlers(HandlerTable& handlers);

// The text of the message that the settings could not be kept in the file at `path`.
std::string SettingsNotKeptText(const std::string& path);
