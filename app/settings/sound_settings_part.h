// The 声音 part of the settings window: whether a take records the microphone (and which) and
// the computer's sound, the level each is mixed at, and a live level bar for each while the
// window is open, or the reason the system refuses the source.
#pragma once
#include "app/settings/settings.h"
#include "controls/runtime.h"

// Shows the sound settings of `settings` and starts listening to both sources for the level
// bars; a source the system refuses is greyed with its reason. For the window's creation.
void ShowSoundSettings(const Settings& settings);
// The window's sound choices into `settings`.
void PutSoundSettingsInto(Settings& settings);
// Ends the listening; for the window's closing. Nothing when it is not listening.
void StopListeningToSound();

// Puts the part's routines (the microphone chosen, a level moved, the bars' tick) into the
// program's handler table.
void AddSoundSettingsHandlers(HandlerTable& handlers);
