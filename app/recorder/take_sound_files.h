// Where a take keeps its sound in the working folder, one float WAV for each source, and which
// of them a folder holds (a take this run recorded or one a kill left to the next start).
#pragma once
#include <string>
#include <vector>

#include "components/sound/sound_capture.h"
#include "components/sound/sound_mix.h"

// "sound-microphone.wav" and "sound-computer.wav" in `folder`.
std::string TakeSoundPath(const std::string& folder, SoundSourceKind kind);
// The sources kept in `folder`, at the levels the settings give them now.
std::vector<SoundSourceFile> TakeSoundFiles(const std::string& folder);

// Whether `folder` holds any source of a take's sound.
bool HasTakeSound(const std::string& folder);
// Mixes the sources in `folder` into the recording's track at `target`, as long as `frames`
// frames at `rate`. True when it is there, or when the take has no sound (nothing is written).
bool MixTakeSound(const std::string& folder, int frames, int rate, const std::string& target);
