#include "app/player/range_target.h"

#include <algorithm>
#include <cctype>

#include "forms/player_window.h"
#include "forms/save_formats.h"

namespace {

// The text after the last "." of the file's own name; empty when it has none.
std::string ExtensionOf(const std::string& path) {
  const size_t nameStart = path.find_last_of("\\/");
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) return {};
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

}  // namespace

// The dialog's filters are the save formats' in their order, so filter n is format n - 1.
std::string RangeSaveFilter() {
  std::string filter = PlayerWindow::kRecordingFilter;
  for (int index = 1; index < SaveFormatCount(); ++index) filter += std::string("|") + SaveFormatAt(index).filter;
  return filter;
}

RangeTarget TargetOfChoice(const std::string& path, int filterIndex) {
  const SaveFormat& chosen = SaveFormatAt(filterIndex - 1);
  const std::string extension = ExtensionOf(path);
  if (extension.empty()) {
    const bool endsInDot = !path.empty() && path.back() == '.';
    return {path + (endsInDot ? "" : ".") + chosen.defaultExtension, chosen.video};
  }
  for (int index = 0; index < SaveFormatCount(); ++index) {
    if (extension == SaveFormatAt(index).defaultExtension) return {path, SaveFormatAt(index).video};
  }
  return {path, chosen.video};
}

std::optional<FrameRange> RangeWithin(int firstFrame, int lastFrame, int frameCount) {
  const int first = std::max(firstFrame, 1);
  const int last = std::min(lastFrame, frameCount);
  if (first > last) return std::nullopt;
  return FrameRange{first, last};
}

std::string RangeSavedText(const std::string& file) { return "文件“" + file + "”保存成功!"; }

std::string RangeNotSavedText(const std::string& file, RangeSaveFailure failure) {
  switch (failure) {
    case RangeSaveFailure::kTargetIsPlayed:
      return "文件“" + file + "”正在播放，不能保存到它上面。请另选一个文件名。";
    case RangeSaveFailure::kFrameUnreadable:
      return "文件“" + file + "”保存出错!\r\n录像中有帧缺失或已损坏。";
    case RangeSaveFailure::kTargetRefused:
      return "文件“" + file + "”保存出错!\r\n目标文件夹不存在、只读或没有写入权限。";
    case RangeSaveFailure::kWriteFailed:
      return "文件“" + file + "”保存出错!\r\n写入中断，磁盘可能已满。";
    case RangeSaveFailure::kEncoderFailed:
      return "文件“" + file + "”保存出错!\r\n视频编码失败。";
    case RangeSaveFailure::kNothingToSave:
      break;
  }
  return "文件“" + file + "”保存出错!\r\n没有可保存的帧。";
}
