// A recording's sound: one entry after the frames (and the rate entry), a 16-bit PCM WAV that
// plays exactly as long as the frames, sample 0 with frame 1's start, which players that know
// only frames ignore and any sound program plays. A recording made without sound has none.
#pragma once
#include <string>
#include <string_view>

inline constexpr char kSoundEntryName[] = "sound.wav";
// Whether an entry's path below an unpack's folder is the sound entry: the name at the root, in
// any case of letters ("Sound.WAV" too, not "x\sound.wav").
bool IsSoundEntry(std::string_view path);
// folder + "\" + "sound.wav": where an unpack of a recording puts its sound, and where a save
// mixes the take's sound to before packing it.
std::string SoundEntryPath(const std::string& folder);
