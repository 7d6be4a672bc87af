#include "app/recorder/recorder_state.h"

#include "forms/save_formats.h"

std::string FrameFolder;
int FrameCount = 0;
int QualityPercent = kStartingSaveQuality;
