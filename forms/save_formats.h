// The formats SaveDialog's 组合框 offers, in the order of its items: the recording file first
// (the default), then the shared video formats. SaveDialog's definition takes its items from
// here, so the list and the formats behind it cannot drift apart. Pure rules.
#pragma once
#include <optional>

#include "components/video/video.h"

// The quality a save starts with: SaveDialog's slider before the user moves it, and the videos
// the player saves from a range.
inline constexpr int kStartingSaveQuality = 80;

struct SaveFormat {
  const char* item;              // the 组合框 item
  const char* filter;            // 通用对话框's filter while it is chosen
  const char* defaultExtension;  // appended by the file dialog to a name without one
  std::optional<VideoFormat> video;  // none for the recording file
};

// The format of 组合框 item `index`; the recording file for any index outside the items (-1
// when nothing is chosen).
const SaveFormat& SaveFormatAt(int index);
// The number of items.
int SaveFormatCount();
