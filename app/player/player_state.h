// The player's program-wide values. They belong to the program, not to PlayerWindow, and keep
// their values while the window is closed and loaded again. Touched only by the user-interface
// thread.
#pragma once
#include <string>

#include "app/player/folder_sweeper.h"
#include "app/player/range_marks.h"
#include "app/player/recording_unpack.h"

// The player's own extraction folder: a fresh "%x.tmp" folder in the temporary folder for each
// open, empty before the first. The player never names the recorder's working folder, so an
// unsaved take survives opening a recording and a later take holds only its own frames.
extern std::string ExtractionFolder;
// The recording file the last open named, made absolute at the open (a relative name from the
// command line would mean another file once a dialog moves the current folder); empty before the
// first open and once the window has closed. A save of frames compares its target with it.
extern std::string OpenedRecording;
// The unpack of the last open, still running while playback begins.
extern RecordingUnpack PlayerUnpack;
// Removes the extraction folders of earlier opens.
extern FolderSweeper GivenUpFolders;
// The number of the frame file the next tick shows.
extern int NextFrame;
// The frame on 画板, or the one a seek waits for; 0 before the first frame of an open.
extern int ShownFrame;
// The range marked with I and O; an open and closing the window clear it.
extern RangeMarks PlayerMarks;
// The frame files found by the last open.
extern int PlayerFrameCount;
// How fast the last open's frames play, in frames a second: its rate entry's, read before its
// first frame shows (kDefaultFrameRate without one, and before the first open).
extern int PlayerFrameRate;
// The percentage of the first frame's pixel size the picture panel gets; 80 once PlayerWindow
// has been created.
extern int DisplayScale;
