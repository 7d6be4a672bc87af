// Every kind's property indexes, as handlers address them and as the kinds themselves answer
// them: this table is their only home. Indexes 0 to 7 are common to all kinds, the window
// included; from 8 on each kind has its own.
#pragma once

namespace common_property {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kWidth = 2;
constexpr int kHeight = 3;
constexpr int kTag = 4;
constexpr int kVisible = 5;
constexpr int kDisabled = 6;
constexpr int kMouseCursor = 7;
constexpr int kLastCommon = kMouseCursor;  // the kinds' own indexes follow
}  // namespace common_property

namespace window_property {
constexpr int kCaption = 8;
constexpr int kBorder = 9;
constexpr int kBackColour = 10;
constexpr int kBackPicture = 11;
constexpr int kPictureMode = 12;
constexpr int kBackgroundMusic = 13;
constexpr int kPlayTimes = 14;
constexpr int kControlButton = 15;
constexpr int kMaximiseButton = 16;
constexpr int kMinimiseButton = 17;
constexpr int kPosition = 18;  // 0 normal, 1 centred, 2 minimised, 3 maximised
constexpr int kMovable = 19;
constexpr int kIcon = 20;
constexpr int kEnterMovesFocus = 21;
constexpr int kEscCloses = 22;
constexpr int kF1OpensHelp = 23;
constexpr int kHelpFile = 24;
constexpr int kHelpId = 25;
constexpr int kShowInTaskbar = 26;
constexpr int kMoveByDraggingAnywhere = 27;
constexpr int kShape = 28;
constexpr int kAlwaysOnTop = 29;
constexpr int kKeepTitleBarActive = 30;
constexpr int kClassName = 31;
}  // namespace window_property

// Menu items have four properties of their own, from index 0.
namespace menu_item_property {
constexpr int kCaption = 0;
constexpr int kCheckMark = 1;
constexpr int kDisabled = 2;
constexpr int kVisible = 3;
}  // namespace menu_item_property

namespace button_property {
constexpr int kPicture = 8;
constexpr int kType = 9;
constexpr int kCaption = 10;
constexpr int kHorizontalAlignment = 11;
constexpr int kVerticalAlignment = 12;
constexpr int kFont = 13;
}  // namespace button_property

namespace group_box_property {
constexpr int kCaption = 8;
constexpr int kAlignment = 9;
constexpr int kTextColour = 10;
constexpr int kBackColour = 11;
constexpr int kFont = 12;
}  // namespace group_box_property

namespace combo_box_property {
constexpr int kType = 8;
constexpr int kContent = 9;
constexpr int kMaxTextLength = 10;
constexpr int kSelectionStart = 11;
constexpr int kSelectionLength = 12;
constexpr int kSelectedText = 13;
constexpr int kSorted = 14;
constexpr int kExtraRowSpacing = 15;
constexpr int kTextColour = 16;
constexpr int kBackColour = 17;
constexpr int kFont = 18;
constexpr int kCurrentItem = 19;
constexpr int kItems = 20;
constexpr int kItemData = 21;
constexpr int kDataSource = 22;
constexpr int kDataColumn = 23;
constexpr int kFurther = 24;
}  // namespace combo_box_property

namespace process_bar_property {
constexpr int kBorder = 8;
constexpr int kVertical = 9;
constexpr int kSmooth = 10;
constexpr int kMinimum = 11;
constexpr int kMaximum = 12;
constexpr int kPosition = 13;
// A marked stretch of the bar, drawn over it as a band in the mark colour: positions from..to in
// the bar's range; nothing is drawn while `to` is not above `from`.
constexpr int kMarkedFrom = 14;
constexpr int kMarkedTo = 15;
constexpr int kMarkColour = 16;
}  // namespace process_bar_property

namespace slider_bar_property {
constexpr int kBorder = 8;
constexpr int kVertical = 9;
constexpr int kTickMarks = 10;
constexpr int kTickFrequency = 11;
constexpr int kSelectionEnabled = 12;
constexpr int kSelectionStart = 13;
constexpr int kSelectionLength = 14;
constexpr int kPageSize = 15;
constexpr int kLineSize = 16;
constexpr int kMinimum = 17;
constexpr int kMaximum = 18;
constexpr int kPosition = 19;
}  // namespace slider_bar_property

namespace common_dlg_property {
constexpr int kDialogType = 8;
constexpr int kTitle = 9;
constexpr int kFileName = 10;
constexpr int kFilter = 11;
constexpr int kInitialFilterIndex = 12;
constexpr int kInitialFolder = 13;
constexpr int kDefaultExtension = 14;
constexpr int kCreatePrompt = 15;
constexpr int kFileMustExist = 16;
constexpr int kOverwritePrompt = 17;
constexpr int kPathMustExist = 18;
constexpr int kKeepCurrentFolder = 19;
constexpr int kFirstOtherSetting = 20;  // 20 to 29: colour, font and help settings
constexpr int kLastOtherSetting = 29;
}  // namespace common_dlg_property

namespace timer_property {
constexpr int kInterval = 8;
}  // namespace timer_property

namespace label_property {
constexpr int kCaption = 8;
constexpr int kEffect = 9;
constexpr int kBorder = 10;
constexpr int kFrameWidth = 11;
constexpr int kFrameColourFirst = 12;  // 12, 13, 14: outer, middle and inner band of frame 6
constexpr int kFrameColourLast = 14;
constexpr int kFont = 15;
constexpr int kTextColour = 16;
constexpr int kBackColour = 17;
constexpr int kBackPicture = 18;
constexpr int kPictureMode = 19;
constexpr int kGradientMode = 20;
constexpr int kGradientColourFirst = 21;  // 21, 22, 23
constexpr int kGradientColourLast = 23;
constexpr int kHorizontalAlignment = 24;
constexpr int kWordWrap = 25;
constexpr int kVerticalAlignment = 26;
constexpr int kDataSource = 27;
constexpr int kDataColumn = 28;
}  // namespace label_property

namespace draw_panel_property {
constexpr int kBorder = 8;
constexpr int kBackColour = 9;
constexpr int kBackPicture = 10;
constexpr int kPictureMode = 11;
constexpr int kAutoRedraw = 12;
constexpr int kCoordinateUnit = 13;
constexpr int kPenType = 14;
constexpr int kRasterOperation = 15;
constexpr int kPenWidth = 16;
constexpr int kPenColour = 17;
constexpr int kBrushType = 18;
constexpr int kBrushColour = 19;
constexpr int kTextColour = 20;
constexpr int kTextBackColour = 21;
constexpr int kFont = 22;
constexpr int kFirstReadOnly = 23;  // 23 and 24 read as 0 and ignore writes
constexpr int kLastReadOnly = 24;
}  // namespace draw_panel_property

namespace check_box_property {
constexpr int kCaption = 8;
constexpr int kValue = 9;  // 1 checked, 0 not
constexpr int kFont = 10;
}  // namespace check_box_property

namespace hotkey_box_property {
constexpr int kModifiers = 8;  // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN
constexpr int kKey = 9;        // a virtual-key code; 0 = no hotkey
constexpr int kFont = 10;
}  // namespace hotkey_box_property
