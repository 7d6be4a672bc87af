// The recorder's working folder (greentemp in the temporary folder) and its settings file as
// seen from outside the program, in the same Wine prefix: where a take's frames are, and what an
// earlier run chose.
#pragma once
#include <string>

std::wstring WorkingFolder();

// Empties and removes it, so the program starts as on a first run, with no take left behind
// for it to offer.
void ClearWorkingFolder();

// Deletes the settings file in the user's application data, so the program starts with its
// first-run settings: what an earlier run chose to record (a region, 30 a second, the
// microphone) would change every take of the next.
void ForgetSettings();
