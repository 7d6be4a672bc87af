#include "app/recorder/own_windows_capture.h"

bool CanKeepWindowsOutOfFrames() { return false; }

void KeepProgramWindowsOutOfFrames(bool) {}
