// The recording's sound, played with its frames: the unpack puts it into the extraction folder
// before frame 1 shows; it plays from the sample of the frame playback goes on from, pauses,
// stops and is muted with the player, and while a device plays it the frames keep its time
// (playback.cpp). A recording without sound, one whose sound no reader takes, and every recording
// on a system without an output device play as frames alone, silently, with no message.
#pragma once
#include <cstdint>
#include <optional>

#include "controls/runtime.h"

// Takes the sound entry of the recording just unpacked into ExtractionFolder, if it has one,
// and shows 静音按钮 for it.
void OpenRecordingSound();
// Lets go of the sound file and the device, before the extraction folder goes.
void CloseRecordingSound();
// The sample frames a second of the open recording's sound; 0 without sound.
int RecordingSoundRate();

// Playback goes on from frame `frame`: the sound from the sample that frame begins at
// (SoundFramesBefore), or, paused and not moved since, on from where it was paused.
void PlaySoundFrom(int frame);
void PauseSound();
// The place is forgotten: the next PlaySoundFrom plays from its frame's sample.
void StopSound();
// The microseconds of sound heard since frame `frame` began (negative while the sound is still
// in the frames before), by the device's clock; nothing while no device plays the sound.
std::optional<int64_t> SoundHeardSinceFrameBegan(int frame);

// 静音按钮: enabled while a recording with sound is open, its caption saying what a click does.
// The choice is kept from one recording to the next while the window is open.
void ShowMuteButton();
void ToggleMute(EventRecord& event);
// A window loaded again begins unmuted.
void ForgetMute();
