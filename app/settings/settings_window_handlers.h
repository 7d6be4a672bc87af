// The handlers of the settings window "设置" and of the tray menu's 设置 that opens it.
#pragma once
#include <string>

#include "controls/runtime.h"

// Puts the settings window's routines, and the tray menu's 设置, into the program's handler table.
void AddSettingsWindowHandlers(HandlerTable& handlers);

// The messages of 确定 that keep the window open: the hotkey box of `job` ("开始/停止录制" or
// "暂停/继续") shows modifiers without a key; both boxes hold the same combination.
std::string UnfinishedHotkeyText(const std::string& job);
inline constexpr char kSameHotkeyTwiceText[] = "“开始/停止录制”和“暂停/继续”不能使用同一个热键，请为其中一项另选。";

// The text of the message that the settings could not be kept in the file at `path`.
std::string SettingsNotKeptText(const std::string& path);
