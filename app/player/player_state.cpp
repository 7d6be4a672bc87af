#include "app/player/player_state.h"

std::string ExtractionFolder;
std::string OpenedRecording;
RecordingUnpack PlayerUnpack;
FolderSweeper GivenUpFolders;
int NextFrame = 0;
int ShownFrame = 0;
RangeMarks PlayerMarks;
int PlayerFrameCount = 0;
int DisplayScale = 0;
