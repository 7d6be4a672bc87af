// The recorder's working folder (greentemp in the temporary folder) as seen from outside the
// program, in the same Wine prefix: where a take's frames are.
#pragma once
#include <string>

std::wstring WorkingFolder();

// Empties and removes it, so the program starts as on a first run, with no take left behind
// for it to offer.
void ClearWorkingFolder();
