// PlayerWindow laid out around the first frame of the open recording: the picture panel at
// DisplayScale percent of the frame, the progress bar, the time text and the buttons below it,
// the window centred on the screen and kept in its work area.
#pragma once

// Lays the window out around the first frame; when it is missing or not a picture nothing moves
// and the progress bar keeps its maximum.
void FitLayoutToFrame();
// Whether the last fit found a first frame to lay the window out around, and so set the
// progress bar's maximum from the frame count.
bool FittedToFirstFrame();
