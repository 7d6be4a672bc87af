// The recorder's side of the settings: the global hotkeys and keeping its windows out of the
// frames.
#include "app/recorder/recorder_handlers.h"

void ApplyRecorderSettings() {}

bool HotkeyHeldElsewhere(HotkeyJob) { return false; }
