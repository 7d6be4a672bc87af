// The range marks in PlayerWindow: I and O set them at the frame shown, Esc clears them,
// 进度条1 shows them, and 另存为… (Ctrl+S) saves the marked frames, or the whole recording,
// as a new file. Reached by keys (player_keys.cpp) and the picture's pop-up menu.
#pragma once
#include "controls/runtime.h"

// Whether a recording with frames is open in the window: what marks, seeks and saves act on.
bool RecordingOpen();

void MarkRangeStartHere();
void MarkRangeEndHere();
void ClearRangeMarks();
// Hands the frames to save (FramesToSave) to SaveFramesAs.
void SaveMarkedRange();
// Draws the marks on 进度条1 as they now are (none after an open).
void ShowRangeMarks();

// Puts the picture menu's routines into the program's handler table.
void AddRangeHandlers(HandlerTable& handlers);

// Where the frames to save go: SaveFramesAs, unless a test listens in.
using SaveFramesRoutine = void (*)(int firstFrame, int lastFrame);
extern SaveFramesRoutine SaveFrames;
