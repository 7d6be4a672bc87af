// The seconds counted down before a take, large over what it will record, so the user has time
// to bring the right window forward.
#pragma once
#include "app/settings/settings.h"

// The countdown window's class, by which tools find it; its text is the number it shows.
inline constexpr wchar_t kCountdownClass[] = L"VelmoCountdown";

// Shows seconds, seconds-1, ... 1, each for a second by SteadyMicroseconds, large and centred
// over `over` (a topmost window that takes no focus from what the user records); true when it
// ran out, false when Esc was pressed or CancelCountdown() was called meanwhile. 0 seconds
// returns true at once. Runs its own message loop on the calling thread.
// More than kLongestCountdown seconds count down from kLongestCountdown. Esc is taken whichever
// window has the focus, and not passed on to it. A quit request cancels (and stays queued), and
// so does a window that cannot be made, and a second countdown asked for while one runs. The
// window is gone from the screen when this returns.
bool RunCountdown(const ScreenArea& over, int seconds);
// Ends the countdown running now as Esc does; from any thread. Does nothing when none runs.
void CancelCountdown();
