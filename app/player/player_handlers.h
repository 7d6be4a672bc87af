// The handlers of PlayerWindow: open a recording, play, pause, stop, the information box.
#pragma once
#include "controls/runtime.h"

// Puts the player's routines into the program's handler table.
void AddPlayerHandlers(HandlerTable& handlers);

// Removes the last extraction folder and forgets it; the program's end runs it, so no unpacked
// frames are left behind.
void ReleasePlayerState();
