#include "app/recorder/recorder_state.h"

std::string FrameFolder;
int FrameCount = 0;
int QualityPercent = 80;
