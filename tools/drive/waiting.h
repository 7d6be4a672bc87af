// Waiting while the program works. Every wait keeps the driving program's own messages flowing
// (the tour's test picture keeps moving; a test inside the control runtime keeps the program's
// handlers running) and every wait has an end, so a driver fails with a message rather than
// hanging.
#pragma once
#include <functional>

// How long a step waits for the program before the driver gives up.
inline constexpr double kStepSeconds = 20.0;

// The routine that handles the messages waiting now: a plain dispatch loop unless set. A test
// that runs inside the control runtime sets the runtime's own (ProcessPendingEvents), so keys
// and clicks reach the program's windows as the program's loop hands them over; null restores
// the plain loop.
void SetMessagePump(void (*pumpPending)());

// Handles messages for `milliseconds`.
void PumpFor(unsigned milliseconds);

// Asks `ready` about every 20 ms, handling messages in between, until it answers true (then
// true) or `seconds` have passed (then false).
bool WaitUntil(const std::function<bool()>& ready, double seconds = kStepSeconds);
