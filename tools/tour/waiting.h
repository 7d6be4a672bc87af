// Waiting in the tour. Every wait keeps the tour's own messages flowing (its test picture keeps
// moving) and every wait has an end, so a tour fails with a message rather than hanging.
#pragma once
#include <functional>

// How long a step waits for the program before the tour gives up.
inline constexpr double kStepSeconds = 20.0;

// Handles the tour's own messages for `milliseconds`.
void PumpFor(unsigned milliseconds);

// Asks `ready` about every 20 ms, handling the tour's messages in between, until it answers
// true (then true) or `seconds` have passed (then false).
bool WaitUntil(const std::function<bool()>& ready, double seconds = kStepSeconds);
