// The save: SaveDialog's 保存按钮 turns the take's frames into one recording file or a video.
#pragma once
#include "controls/runtime.h"

// 保存按钮 clicked: the save steps, then SaveDialog closes whatever the outcome. A click while a
// save runs (the save pumps messages) does nothing.
void SaveRecording(EventRecord& event);

// True from the click on 保存按钮 until its save steps have ended; SaveDialog refuses to close
// meanwhile.
bool SaveIsRunning();
