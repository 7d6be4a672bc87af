// The message loops: the main loop that keeps the program alive while a window is loaded, the
// nested loop of a modal window, and the pumping of pending messages. Each handles keyboard
// navigation inside the runtime's windows (Tab, Esc, the default push button, accelerators).
#pragma once

#include "controls/form_definition.h"

// Runs until a quit request is taken from the queue; gives back its exit code.
int RunMainLoop();
// Runs until `modal` is no longer loaded, or until a quit request arrives (which stays queued
// for the main loop).
void RunNestedLoop(WindowId modal);
