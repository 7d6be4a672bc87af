// RecorderWindow: the recorder's main window with its four buttons, status label and capture
// timer; its hidden menu is the tray icon's pop-up. Handlers address its units by these names.
#pragma once

#include "controls/form_definition.h"

namespace RecorderWindow {

// The window's own unit shares the window id.
inline constexpr WindowId kId = kWindowUnitClass | 0x0001;

inline constexpr UnitId 按钮4 = kControlUnitClass | 0x0101;
inline constexpr UnitId 按钮3 = kControlUnitClass | 0x0102;
inline constexpr UnitId 按钮2 = kControlUnitClass | 0x0103;
inline constexpr UnitId 按钮1 = kControlUnitClass | 0x0104;
inline constexpr UnitId 标签1 = kControlUnitClass | 0x0105;
inline constexpr UnitId 分组框1 = kControlUnitClass | 0x0106;
inline constexpr UnitId 时钟1 = kControlUnitClass | 0x0107;
// The arrow beside 录制: what the take records.
inline constexpr UnitId 按钮5 = kControlUnitClass | 0x0108;

// Menu items have no stored names; the root goes by its caption, the items by root and caption.
inline constexpr UnitId 菜单 = kMenuItemUnitClass | 0x0111;
inline constexpr UnitId 菜单_录制 = kMenuItemUnitClass | 0x0112;
inline constexpr UnitId 菜单_停止 = kMenuItemUnitClass | 0x0113;
inline constexpr UnitId 菜单_分隔线1 = kMenuItemUnitClass | 0x0114;
inline constexpr UnitId 菜单_显示 = kMenuItemUnitClass | 0x0115;
inline constexpr UnitId 菜单_隐藏 = kMenuItemUnitClass | 0x0116;
inline constexpr UnitId 菜单_分隔线2 = kMenuItemUnitClass | 0x0117;
inline constexpr UnitId 菜单_退出 = kMenuItemUnitClass | 0x0118;
inline constexpr UnitId 菜单_暂停 = kMenuItemUnitClass | 0x0119;
inline constexpr UnitId 菜单_设置 = kMenuItemUnitClass | 0x011A;
// "录制范围" and its items: 全屏, one item for each of up to four monitors (shown when there
// are several), 区域 and 窗口; 按钮5 pops up the same items.
inline constexpr UnitId 菜单_录制范围 = kMenuItemUnitClass | 0x011B;
inline constexpr UnitId 菜单_全屏 = kMenuItemUnitClass | 0x011C;
inline constexpr UnitId 菜单_显示器1 = kMenuItemUnitClass | 0x011D;
inline constexpr UnitId 菜单_显示器2 = kMenuItemUnitClass | 0x011E;
inline constexpr UnitId 菜单_显示器3 = kMenuItemUnitClass | 0x011F;
inline constexpr UnitId 菜单_显示器4 = kMenuItemUnitClass | 0x0120;
inline constexpr UnitId 菜单_区域 = kMenuItemUnitClass | 0x0121;
inline constexpr UnitId 菜单_窗口 = kMenuItemUnitClass | 0x0122;
inline constexpr UnitId kMonitorItems[] = {菜单_显示器1, 菜单_显示器2, 菜单_显示器3, 菜单_显示器4};

// The definition as stored: the window, 按钮4, the menu run, then the other controls.
// The unit that the window's handlers and the take's both address: the status text.
inline constexpr UnitAddress kStatus{kId, 标签1};

FormDefinition Definition();

}  // namespace RecorderWindow
