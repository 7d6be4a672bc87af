// The reading of a level bar, as plain arithmetic: a sound's loudest sample shown on a
// decibel scale, so quiet speech moves the bar as visibly as a loud tone.
#pragma once

// The bar's range: 0 is silence, or quieter than kQuietestShownDecibels below full scale.
inline constexpr int kLevelBarFull = 100;
inline constexpr double kQuietestShownDecibels = 60.0;

// The bar's position, 0..kLevelBarFull, for `peak` (the loudest sample, 0 to 1) heard at
// `levelPercent` (the level the source is mixed at, so the bar shows what the recording will
// hold); a level that would clip shows full. A negative or not-a-number peak shows 0.
int LevelBarPosition(float peak, int levelPercent);
