#include "app/settings/sound_refusal_text.h"

std::string SoundRefusalText(SoundSourceKind kind, SoundRefusal refusal) {
  const bool microphone = kind == SoundSourceKind::Microphone;
  switch (refusal) {
    case SoundRefusal::None: return {};
    case SoundRefusal::NoDevice: return microphone ? "没有找到麦克风" : "没有找到声音输出设备";
    case SoundRefusal::AccessDenied: return "系统的隐私设置不允许使用麦克风";
    case SoundRefusal::NotSupported: return "本系统不能录制电脑声音";
    case SoundRefusal::Failed: return "声音设备无法启动";
  }
  return {};
}

std::string SoundSourceName(SoundSourceKind kind) { return kind == SoundSourceKind::Microphone ? "麦克风" : "电脑声音"; }
