// The runtime's side of the tray icon: taking it away with its window.
#pragma once
#include "controls/live_windows.h"

// Removes the window's tray icon, if it shows one.
void RemoveTrayIcon(LiveWindow& state);
