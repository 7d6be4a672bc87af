#include "app/settings/sound_refusal_text.h"

namespace {

struct RefusalWords {
  SoundRefusal refusal;
  const char* microphone;
  const char* computerSound;
};

constexpr RefusalWords kRefusalWords[] = {
    {SoundRefusal::NoDevice, "没有找到麦克风", "没有找到声音输出设备"},
    {SoundRefusal::AccessDenied, "系统的隐私设置不允许使用麦克风", "系统的隐私设置不允许录制电脑声音"},
    {SoundRefusal::NotSupported, "本系统不能录制麦克风", "本系统不能录制电脑声音"},
    {SoundRefusal::Failed, "声音设备无法启动", "声音设备无法启动"},
};

}  // namespace

std::string SoundRefusalText(SoundSourceKind kind, SoundRefusal refusal) {
  for (const RefusalWords& words : kRefusalWords)
    if (words.refusal == refusal) return kind == SoundSourceKind::Microphone ? words.microphone : words.computerSound;
  return {};
}

std::string SoundSourceName(SoundSourceKind kind) { return kind == SoundSourceKind::Microphone ? "麦克风" : "电脑声音"; }
