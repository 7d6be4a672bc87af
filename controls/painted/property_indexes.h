// The kind property indexes of Label and DrawPanel, as handlers address them.
#pragma once

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

// The last value of each choice; a written value is brought into 0 .. last.
namespace choice_last {
constexpr int kLabelEffect = 3;
constexpr int kLabelBorder = 6;
constexpr int kPanelBorder = 5;
constexpr int kPictureMode = 2;
constexpr int kGradientMode = 8;
constexpr int kAlignment = 2;
constexpr int kCoordinateUnit = 5;
}  // namespace choice_last

// The painted frame (label border 6) is never thinner than this.
constexpr int kMinimumFrameWidth = 5;
