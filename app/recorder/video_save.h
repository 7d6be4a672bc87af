// The save as a video: SaveDialog's 组合框 set to "mp4格式" or "gif格式". The take's frames are
// shrunk through 隐藏画板 exactly as for a recording file and written into one MP4 or GIF file.
#pragma once
#include <string>

#include "forms/save_formats.h"

// The format 组合框 shows.
const SaveFormat& ChosenSaveFormat();

// 通用对话框 asks with the filter and default extension of `format`.
void OfferSaveFormat(const SaveFormat& format);

// Frames 1 to FrameCount (its value now) into `target`, with the progress texts of the
// recording file's save: "正在处理数据" while frames are encoded (or, for a GIF, while its
// palette is counted) and "正在保存(n)%" while a GIF is written. A missing or damaged frame
// fails the save. On success, once the video is on the disk under its name, FrameFolder is
// removed; on failure it stays as it was, frames untouched, and no file is left under the
// target's name or beside it. A GIF keeps its shrunk frames in a folder of its own in the
// temporary folder while it saves. True when saved.
bool SaveTakeAsVideo(const std::string& target, VideoFormat format);
