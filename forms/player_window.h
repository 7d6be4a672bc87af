// PlayerWindow: the player with its picture panel, progress bar, time label, playback buttons
// and mute button. Handlers address its units by these names.
#pragma once

#include "controls/form_definition.h"

namespace PlayerWindow {

// The window's own unit shares the window id.
inline constexpr WindowId kId = kWindowUnitClass | 0x0003;

inline constexpr UnitId 进度条1 = kControlUnitClass | 0x0301;
inline constexpr UnitId 按钮2 = kControlUnitClass | 0x0302;
inline constexpr UnitId 按钮1 = kControlUnitClass | 0x0303;
inline constexpr UnitId ZIP压缩 = kControlUnitClass | 0x0304;
inline constexpr UnitId 通用对话框 = kControlUnitClass | 0x0305;
inline constexpr UnitId 时钟 = kControlUnitClass | 0x0306;
inline constexpr UnitId 画板 = kControlUnitClass | 0x0307;
inline constexpr UnitId 终止按钮 = kControlUnitClass | 0x0308;
inline constexpr UnitId 暂停按钮 = kControlUnitClass | 0x0309;
inline constexpr UnitId 播放按钮 = kControlUnitClass | 0x030A;
inline constexpr UnitId 标签2 = kControlUnitClass | 0x030B;
inline constexpr UnitId 标签1 = kControlUnitClass | 0x030C;
inline constexpr UnitId 静音按钮 = kControlUnitClass | 0x030D;

// The picture's pop-up menu of range marks: a hidden root, as RecorderWindow's tray menu.
inline constexpr UnitId 菜单 = kMenuItemUnitClass | 0x0311;
inline constexpr UnitId 菜单_设为起点 = kMenuItemUnitClass | 0x0312;
inline constexpr UnitId 菜单_设为终点 = kMenuItemUnitClass | 0x0313;
inline constexpr UnitId 菜单_清除起止点 = kMenuItemUnitClass | 0x0314;
inline constexpr UnitId 菜单_另存为 = kMenuItemUnitClass | 0x0315;

// The open dialog's first filter, the recording file; the range save's dialog offers it too.
inline constexpr char kRecordingFilter[] = "Velmo录屏数据文件(*.vmrc)|*.vmrc";

// The units that several of the player's handler files address.
inline constexpr UnitAddress kTime{kId, 标签1};
inline constexpr UnitAddress kProgress{kId, 进度条1};
inline constexpr UnitAddress kFileDialog{kId, 通用对话框};

FormDefinition Definition();

}  // namespace PlayerWindow
