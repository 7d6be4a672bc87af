// Limits of the painted kinds' choices and frame.
#pragma once

#include "controls/property_indexes.h"

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
