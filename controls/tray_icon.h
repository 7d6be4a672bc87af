// The runtime's side of the tray icon: keeping it in the notification area while its window
// lives, taking it away with its window, and the notices it shows as balloons.
#pragma once
#include <string>
#include <vector>

#include "controls/runtime_state.h"

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

// Shows a balloon with `title` and `text` over the window's tray icon (set by SetTrayIcon), as
// the shell shows notices; each is cut to what the shell takes. Nothing shows while the shell
// has no icon of the window.
void ShowTrayBalloon(WindowId window, const std::string& title, const std::string& text);

// The text of every balloon asked for in this run, oldest first, as handed to the shell; for
// the runtime's own checks, since the shell tells nobody what it showed.
const std::vector<std::wstring>& TrayBalloonTexts();
