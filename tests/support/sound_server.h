// The suite's PulseAudio server (tools/private-sound.sh) steered from a test under Wine, which
// starts Linux programs as it starts Windows ones: the 440 Hz sine its microphone hears, muted
// or heard.
#pragma once
#include <string>

// Runs "/usr/bin/pactl <arguments>" and waits for it; true when it exited with 0.
bool RunPactl(const std::string& arguments);
// Mutes or unmutes the sine source; the microphone then hears silence or the tone.
bool MuteSine(bool muted);
// Unmutes the sine without waiting for pactl to end: it acts within a few milliseconds, where
// waiting for a Linux program's end from Wine takes a good part of a second.
void UnmuteSineNow();
