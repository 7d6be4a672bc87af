// The program's start: the runtime is handed the program's three windows and its handlers.
#pragma once
#include "controls/runtime.h"

// Takes the form store's windows, runs `startUp` (which loads the first window), then the main
// loop while a window is loaded, then `exitAction`. Returns the process exit code.
int RunProgram(const HandlerTable& handlers, void (*startUp)(), void (*exitAction)());
