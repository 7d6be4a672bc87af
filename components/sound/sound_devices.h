// Finding the endpoint a source records from, or the output plays to. Internal to the sound
// room: its capture and its output.
#pragma once
#include <mmdeviceapi.h>

#include <string>

#include "components/services/com_pointer.h"
#include "components/sound/sound_capture.h"

// The microphone by name (empty: the default capture device), or the default output for the
// computer's sound; NoDevice when there is none of that name or no default at all.
SoundRefusal FindSoundDevice(SoundSourceKind kind, const std::string& name, ComPointer<IMMDevice>& device);
