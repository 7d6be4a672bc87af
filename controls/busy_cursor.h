// The busy cursor: while it is on, every window of the program shows the wait cursor, also when
// the mouse moves over it while a handler lets messages through (the save pumps them between
// frames). The services BusyCursorOn and BusyCursorOff are declared in runtime.h.
#pragma once

// Whether BusyCursorOn is in force; the form windows answer WM_SETCURSOR with the wait cursor.
bool IsBusyCursorOn();
