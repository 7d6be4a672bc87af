#include "app/recorder/take_messages.h"

#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "app/settings/sound_refusal_text.h"
#include "components/services/number_text.h"

namespace {

std::string TakeLengthText(int frames, int rate) {
  return "共" + IntegerText(frames) + "帧，约" + FrameSecondsText(frames, rate) + "秒";
}

std::string StoppedText(const std::string& reason, int frames, int rate) {
  return reason + "，录制已停止。已录制的画面（" + TakeLengthText(frames, rate) + "）可以保存。";
}

}  // namespace

std::string UnsavedTakeFoundText(int frames, int rate) {
  return "发现上次未保存的录像（" + TakeLengthText(frames, rate) + "），是否保留以便保存?";
}

std::string DiskFullStoppedText(int frames, int rate) { return StoppedText("磁盘空间不足", frames, rate); }

std::string FrameNotWrittenText(int frames, int rate) { return StoppedText("无法写入录像帧", frames, rate); }

std::string NoRoomToRecordText() { return "磁盘空间不足，无法开始录制。请腾出磁盘空间后再试。"; }

std::string SoundNotWrittenText(int frames, int rate) { return StoppedText("无法写入声音", frames, rate); }

std::string SoundLeftOutText(SoundSourceKind kind, SoundRefusal refusal) {
  return "本次录制不含" + SoundSourceName(kind) + "：" + SoundRefusalText(kind, refusal) + "。";
}
