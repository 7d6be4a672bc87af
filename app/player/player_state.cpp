#include "app/player/player_state.h"

#include "app/recording/frame_rate.h"

std::string ExtractionFolder;
std::string OpenedRecording;
RecordingUnpack PlayerUnpack;
FolderSweeper GivenUpFolders;
int NextFrame = 0;
int ShownFrame = 0;
RangeMarks PlayerMarks;
int PlayerFrameCount = 0;
int PlayerFrameRate = kDefaultFrameRate;
int DisplayScale = 0;
