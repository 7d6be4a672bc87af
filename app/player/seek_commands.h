// Seeking in PlayerWindow: a click or a drag on 进度条1, and the keys (Space, the arrows, Home,
// End, I, O, Esc, Ctrl+S) while the window has the focus.
#pragma once
#include "controls/runtime.h"

// Puts the seek and key routines into the program's handler table.
void AddSeekHandlers(HandlerTable& handlers);
