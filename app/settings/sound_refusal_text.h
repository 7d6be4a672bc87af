// Why a sound source gives nothing, in the words the settings window shows beside it and the
// tray tells when a take records without it.
#pragma once
#include <string>

#include "components/sound/sound_capture.h"

std::string SoundRefusalText(SoundSourceKind kind, SoundRefusal refusal);
// The source's name in a sentence: "麦克风", "电脑声音".
std::string SoundSourceName(SoundSourceKind kind);
