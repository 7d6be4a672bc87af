// Program start and end: the program hands over its window definitions and its handlers.
#pragma once
#include <vector>

#include "controls/runtime.h"

// Sets the current folder to the program's folder, initialises OLE and the common controls,
// creates the hidden owner window, takes `forms` as the form store, runs `startUp`, then the
// main loop while a window is loaded, then `exitAction`. Gives back the exit code 0.
int RunProgramWithForms(std::vector<FormDefinition> forms, const HandlerTable& handlers, void (*startUp)(),
                        void (*exitAction)());
