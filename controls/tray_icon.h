// The runtime's side of the tray icon: keeping it in the notification area while its window
// lives, and taking it away with its window.
#pragma once
#include "controls/live_windows.h"

// Removes the window's tray icon, if it shows one.
void RemoveTrayIcon(LiveWindow& state);

// The shell's broadcast when its taskbar has been (re)created, after a restart of the shell
// or at log-on; every icon has to be added again then.
UINT TaskbarCreatedMessage();

// Adds the window's tray icon again, if it has one, when the shell has lost it or refused it:
// on TaskbarCreatedMessage and on the retry timer below.
void RestoreTrayIcon(LiveWindow& state);

// While the shell refuses the icon (it is not up yet at log-on), the window retries on this
// timer of its own until the icon is in.
constexpr UINT_PTR kTrayRetryTimerId = 0x7472;
constexpr UINT kTrayRetryMilliseconds = 2000;
