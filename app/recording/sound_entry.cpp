#include "app/recording/sound_entry.h"

#include "components/services/ascii_case.h"

bool IsSoundEntry(std::string_view path) { return EqualIgnoringAsciiCase(path, kSoundEntryName); }

std::string SoundEntryPath(const std::string& folder) { return folder + "\\" + kSoundEntryName; }
