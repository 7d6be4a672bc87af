// Keeping the program's own windows out of the frames, where the system can do it.
#pragma once

// Whether the system can keep a window out of screen captures (Windows 10 version 2004 and
// later).
bool CanKeepWindowsOutOfFrames();
// Keeps every window of the program, and each one loaded later, out of the frames, or lets
// them in again. Does nothing where the system cannot.
void KeepProgramWindowsOutOfFrames(bool keepOut);
