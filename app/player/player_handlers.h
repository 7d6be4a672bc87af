// The handlers of PlayerWindow: open a recording, play, pause, stop, the information box.
#pragma once
#include "controls/runtime.h"

// Puts the player's routines into the program's handler table.
void AddPlayerHandlers(HandlerTable& handlers);

// Stops the unpack, removes every extraction folder and forgets the last; the program's end runs
// it, so no unpacked frames are left behind.
void ReleasePlayerState();

// Waits until the last open's frames are all in its folder with their count shown, and every
// earlier extraction folder is gone: for the benchmarks and tests that look at the whole result.
void AwaitRecordingUnpacked();
