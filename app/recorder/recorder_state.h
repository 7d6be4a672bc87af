// The recorder's program-wide values. Plain globals, touched only by the user-interface thread.
#pragma once
#include <string>

// The recorder's own working folder: the temporary folder + "greentemp". The player never
// removes or reuses it, so an unsaved take survives opening a recording.
extern std::string FrameFolder;
// Frames of the current take are numbered 1 to FrameCount.
extern int FrameCount;
// The save quality: the JPEG quality and the scale of saved frames, in percent.
extern int QualityPercent;
