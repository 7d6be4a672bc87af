// SaveDialog: the modal dialog that picks the quality and the target file of a save and shows
// its progress. Handlers address its units by these names.
#pragma once

#include "controls/form_definition.h"

namespace SaveDialog {

// The window's own unit shares the window id.
inline constexpr WindowId kId = kWindowUnitClass | 0x0002;

inline constexpr UnitId 取消按钮 = kControlUnitClass | 0x0201;
inline constexpr UnitId 保存按钮 = kControlUnitClass | 0x0202;
inline constexpr UnitId 组合框 = kControlUnitClass | 0x0203;
inline constexpr UnitId 标签5 = kControlUnitClass | 0x0204;
inline constexpr UnitId 进度条 = kControlUnitClass | 0x0205;
inline constexpr UnitId 提示标签 = kControlUnitClass | 0x0206;
inline constexpr UnitId 隐藏画板 = kControlUnitClass | 0x0207;
inline constexpr UnitId 通用对话框 = kControlUnitClass | 0x0208;
inline constexpr UnitId ZIP压缩 = kControlUnitClass | 0x0209;
inline constexpr UnitId 分组框 = kControlUnitClass | 0x020A;
inline constexpr UnitId 品质标签 = kControlUnitClass | 0x020B;
inline constexpr UnitId 标签1 = kControlUnitClass | 0x020C;
inline constexpr UnitId 滑块条 = kControlUnitClass | 0x020D;

// The units both the dialog's handlers and the save address.
inline constexpr UnitAddress kCanvas{kId, 隐藏画板};
inline constexpr UnitAddress kHint{kId, 提示标签};
inline constexpr UnitAddress kProgress{kId, 进度条};
inline constexpr UnitAddress kFileDialog{kId, 通用对话框};

FormDefinition Definition();

}  // namespace SaveDialog
