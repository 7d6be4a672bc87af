#include "app/recorder/take_sound_files.h"

#include "app/settings/settings.h"
#include "components/services/path_kind.h"

namespace {

struct KindFile {
  SoundSourceKind kind;
  const char* name;
  int Settings::*level;
};
constexpr KindFile kKindFiles[] = {
    {SoundSourceKind::Microphone, "sound-microphone.wav", &Settings::microphoneLevel},
    {SoundSourceKind::ComputerSound, "sound-computer.wav", &Settings::computerSoundLevel},
};

}  // namespace

std::string TakeSoundPath(const std::string& folder, SoundSourceKind kind) {
  for (const KindFile& file : kKindFiles)
    if (file.kind == kind) return folder + "\\" + file.name;
  return {};
}

std::vector<SoundSourceFile> TakeSoundFiles(const std::string& folder) {
  std::vector<SoundSourceFile> files;
  for (const KindFile& file : kKindFiles) {
    const std::string path = folder + "\\" + file.name;
    if (IsFile(path)) files.push_back({path, CurrentSettings().*file.level});
  }
  return files;
}

bool HasTakeSound(const std::string& folder) { return !TakeSoundFiles(folder).empty(); }

bool MixTakeSound(const std::string& folder, int frames, int rate, const std::string& target) {
  const std::vector<SoundSourceFile> sources = TakeSoundFiles(folder);
  return sources.empty() || MixSoundFiles(sources, frames, rate, target);
}
