// Files dropped on a window from Explorer: a window that accepts them hands their paths to the
// routine the program gave for it.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "controls/form_definition.h"

// Receives the dropped paths (UTF-8) in the order the drop lists them; never empty.
using DropRoutine = void (*)(const std::vector<std::string>& paths);

// The loaded `window` accepts dropped files from now on, until it is destroyed; `routine`
// receives them. Nothing happens for a window that is not loaded.
void AcceptDroppedFiles(WindowId window, DropRoutine routine);

// A window's WM_DROPFILES: reads the paths out of `drop`, releases it, and hands the paths to
// the window's routine (none: the drop is only released).
void DeliverDroppedFiles(WindowId window, HDROP drop);
