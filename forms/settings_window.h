// SettingsWindow "设置": the two global hotkeys, the recorder's three options, the frame rate
// (with the rates this screen sustains), the countdown before a take, and the sound a take
// records (the microphone and the computer's sound, each with its level and a live level bar),
// with 确定 and 取消; opened from the tray menu's 设置. Handlers address its units by these names.
#pragma once

#include "controls/form_definition.h"

namespace SettingsWindow {

// The window's own unit shares the window id.
inline constexpr WindowId kId = kWindowUnitClass | 0x0004;

inline constexpr UnitId 确定按钮 = kControlUnitClass | 0x0401;
inline constexpr UnitId 取消按钮 = kControlUnitClass | 0x0402;
inline constexpr UnitId 热键分组框 = kControlUnitClass | 0x0403;
inline constexpr UnitId 录制热键标签 = kControlUnitClass | 0x0404;
inline constexpr UnitId 录制热键 = kControlUnitClass | 0x0405;
inline constexpr UnitId 录制热键占用标签 = kControlUnitClass | 0x0406;
inline constexpr UnitId 暂停热键标签 = kControlUnitClass | 0x0407;
inline constexpr UnitId 暂停热键 = kControlUnitClass | 0x0408;
inline constexpr UnitId 暂停热键占用标签 = kControlUnitClass | 0x0409;
inline constexpr UnitId 选项分组框 = kControlUnitClass | 0x040A;
inline constexpr UnitId 鼠标指针复选框 = kControlUnitClass | 0x040B;
inline constexpr UnitId 鼠标点击复选框 = kControlUnitClass | 0x040C;
inline constexpr UnitId 本程序窗口复选框 = kControlUnitClass | 0x040D;
inline constexpr UnitId 本程序窗口原因标签 = kControlUnitClass | 0x040E;
// The two choices start empty: the window fills them from the offered rates and countdowns as
// it opens.
inline constexpr UnitId 帧率标签 = kControlUnitClass | 0x040F;
inline constexpr UnitId 帧率组合框 = kControlUnitClass | 0x0410;
inline constexpr UnitId 可持续帧率标签 = kControlUnitClass | 0x0411;
inline constexpr UnitId 倒计时标签 = kControlUnitClass | 0x0412;
inline constexpr UnitId 倒计时组合框 = kControlUnitClass | 0x0413;
// 声音: each source's check box, its level (a slider of 0 to 200 percent and the percentage
// beside it) and its level bar, or in the bar's place the grey reason the system refuses it.
// The microphone's list starts empty: the window fills it with the devices present.
inline constexpr UnitId 声音分组框 = kControlUnitClass | 0x0414;
inline constexpr UnitId 麦克风复选框 = kControlUnitClass | 0x0415;
inline constexpr UnitId 麦克风设备组合框 = kControlUnitClass | 0x0416;
inline constexpr UnitId 麦克风音量标签 = kControlUnitClass | 0x0417;
inline constexpr UnitId 麦克风音量滑块 = kControlUnitClass | 0x0418;
inline constexpr UnitId 麦克风音量值标签 = kControlUnitClass | 0x0419;
inline constexpr UnitId 麦克风电平标签 = kControlUnitClass | 0x041A;
inline constexpr UnitId 麦克风电平条 = kControlUnitClass | 0x041B;
inline constexpr UnitId 麦克风原因标签 = kControlUnitClass | 0x041C;
inline constexpr UnitId 电脑声音复选框 = kControlUnitClass | 0x041D;
inline constexpr UnitId 电脑声音音量标签 = kControlUnitClass | 0x041E;
inline constexpr UnitId 电脑声音音量滑块 = kControlUnitClass | 0x041F;
inline constexpr UnitId 电脑声音音量值标签 = kControlUnitClass | 0x0420;
inline constexpr UnitId 电脑声音电平标签 = kControlUnitClass | 0x0421;
inline constexpr UnitId 电脑声音电平条 = kControlUnitClass | 0x0422;
inline constexpr UnitId 电脑声音原因标签 = kControlUnitClass | 0x0423;
// Reads the sources' levels for the bars while the window is open.
inline constexpr UnitId 电平时钟 = kControlUnitClass | 0x0424;

// The line under a hotkey that another program holds, and the reason the last option is greyed
// where the system cannot keep a window out of captures. The line under the frame rate, which
// says what this screen sustains, is written as the window opens.
inline constexpr char kHotkeyHeldElsewhereText[] = "此热键已被其他程序占用，未能注册。";
inline constexpr char kCannotKeepWindowsOutText[] = "需要 Windows 10 2004 或更高版本";
// The microphone list's first item: the system's default capture device.
inline constexpr char kDefaultDeviceText[] = "默认设备";

FormDefinition Definition();

}  // namespace SettingsWindow
