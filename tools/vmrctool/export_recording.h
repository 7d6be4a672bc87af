// vmrctool export: a recording turned into an MP4 video or a GIF animation at its own size and
// its own frame rate.
#pragma once
#include <string>

// Exports `recording` (a .vmrc or other ZIP of frames 1.jpg to N.jpg, or a folder of numbered
// .jpg or .bmp frames) into `target`, whose extension ".mp4" or ".gif" picks the format, at
// `quality` 1..100, at the rate its framerate.txt gives (ten frames a second without one, as the
// player plays it). The frames are 1 up to the last of an unbroken run of numbers, or as many
// as the player would count (every root-level .jpg) if that is more, so a gap in the numbers
// fails as a missing frame. An archive is unpacked into a folder of its own in the temporary
// folder, removed afterwards. An MP4 gets the recording's sound entry (sound.wav at its root)
// where there is one, as much of it as plays with the frames. Returns ExportVideo's result; an
// archive that cannot be unpacked is kVideoFrameUnreadable, a target with another extension
// kVideoBadArgument, a sound entry that is no WAV that can be read kVideoSoundUnreadable.
int ExportRecording(const std::string& recording, const std::string& target, int quality);
