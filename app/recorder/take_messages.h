// What the recorder tells the user about a take outside SaveDialog: a take found at start-up,
// and a take stopped or refused for want of disk space. The seconds are the frames at the take's
// rate, as the status line counts them.
#pragma once
#include <string>

#include "components/sound/sound_capture.h"

// "发现上次未保存的录像（共N帧，约S秒），是否保留以便保存?"
std::string UnsavedTakeFoundText(int frames, int rate);
// "磁盘空间不足，录制已停止。已录制的画面（共N帧，约S秒）可以保存。"
std::string DiskFullStoppedText(int frames, int rate);
// "无法写入录像帧，录制已停止。已录制的画面（共N帧，约S秒）可以保存。"
std::string FrameNotWrittenText(int frames, int rate);
// "磁盘空间不足，无法开始录制。请腾出磁盘空间后再试。"
std::string NoRoomToRecordText();
// "无法写入声音，录制已停止。已录制的画面（共N帧，约S秒）可以保存。"
std::string SoundNotWrittenText(int frames, int rate);
// A source the system refused as the take started, told once: "本次录制不含麦克风：没有找到麦克风。"
std::string SoundLeftOutText(SoundSourceKind kind, SoundRefusal refusal);
