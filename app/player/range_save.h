// Saving frames of the recording being played as a new file: a .vmrc, an MP4 or a GIF.
#pragma once

// Asks for a target with the system's save dialog and saves frames `firstFrame` to
// `lastFrame` (1-based, inclusive) of the open recording there. The recording being played is
// never changed and can never be the target.
void SaveFramesAs(int firstFrame, int lastFrame);
