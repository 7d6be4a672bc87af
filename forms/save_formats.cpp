#include "forms/save_formats.h"

namespace {

const SaveFormat kFormats[] = {
    {"vmrc格式", "Velmo录屏文件(*.vmrc)|*.vmrc", "vmrc", std::nullopt},
    {"mp4格式", "MP4视频(*.mp4)|*.mp4", "mp4", VideoFormat::kMp4},
    {"gif格式", "GIF动画(*.gif)|*.gif", "gif", VideoFormat::kGif},
};

}  // namespace

const SaveFormat& SaveFormatAt(int index) {
  return index >= 0 && index < SaveFormatCount() ? kFormats[index] : kFormats[0];
}

int SaveFormatCount() { return static_cast<int>(std::size(kFormats)); }
