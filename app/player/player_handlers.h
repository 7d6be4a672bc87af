// The handlers of PlayerWindow: open a recording, play, pause, stop, the information box.
#pragma once
#include <string>

#include "controls/runtime.h"

// Puts the player's routines into the program's handler table.
void AddPlayerHandlers(HandlerTable& handlers);

// Opens and plays the recording at `path` (UTF-8) as 打开 does once its dialog has confirmed
// it, loading PlayerWindow first when it is not loaded and bringing it to the front: for a
// recording named on the command line, handed over by a later start, or dropped on the window.
// A path that is no recording plays as an open that finds no frames. Nothing happens while a
// save of frames holds the player.
void PlayRecordingAt(const std::string& path);

// Shows PlayerWindow (restored if minimised) in front of the other windows; it must be loaded.
void BringPlayerForward();

// Stops the unpack, removes every extraction folder and forgets the last; the program's end runs
// it, so no unpacked frames are left behind.
void ReleasePlayerState();

// Waits until the last open's frames are all in its folder with their count shown, and every
// earlier extraction folder is gone: for the benchmarks and tests that look at the whole result.
void AwaitRecordingUnpacked();
