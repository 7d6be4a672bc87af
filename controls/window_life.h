// A window's life after it is built: close requests, destruction and the release of its
// definition. Builds are in LoadWindow.
#pragma once
#include "controls/form_definition.h"

// A close asked for by the user (close box, system menu, Alt+F4, Esc when Esc closes): query
// close first; unless a handler answers false, the window is destroyed.
void RequestClose(WindowId window);
// Destroys a loaded window now (about to be destroyed is raised, query close is not), after
// putting back the enabled states of the windows its modal build disabled.
void DestroyLoadedWindow(WindowId window);
// Once the window's system window is gone: removes menu, accelerators and cursors, restores
// the definition as it was when the build began, and ends the program when this was the last
// loaded window and the main loop runs.
void ReleaseWindow(WindowId window);
