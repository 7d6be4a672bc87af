// The top-level windows built from definitions, for a program that treats them all alike (its
// own windows kept out of screen captures, for example): those loaded now, and word of each
// one as soon as the runtime has made it.
#pragma once
#include <windows.h>

#include <vector>

// The system windows of every window loaded now, in no particular order.
std::vector<HWND> LoadedFormWindows();

// Called with each window the runtime builds from a definition, right after the system has made
// it and before any of its controls exist or it is shown. The program sets one at most; null
// (the start) tells nobody. Gives back the one it replaces.
using FormWindowMade = void (*)(HWND window);
FormWindowMade SetFormWindowMade(FormWindowMade made);
