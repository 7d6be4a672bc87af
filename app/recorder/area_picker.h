// The overlay that lets the user choose a rectangle of the screen to record.
#pragma once
#include "components/services/services.h"

enum class PickMode { Region, Window };

// Covers every monitor with one overlay and lets the user choose; true with `chosen` when
// accepted, false when cancelled. `offered` is the region shown at first (empty for none).
bool PickScreenArea(PickMode mode, const ScreenArea& offered, ScreenArea& chosen);
