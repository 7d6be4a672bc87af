// PlayerWindow as a user meets it: loaded from RecorderWindow's 按钮4, a recording picked in its
// file dialog, ticks of 时钟 one by one, and what 画板, 进度条1 and 标签1 then show.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/runtime.h"
#include "forms/player_window.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/support/files.h"

// A JPEG frame of one colour, written by the program's own converter.
Bytes JpegFrame(int width, int height, Pixel colour);

// A recording file holding these entries (name, bytes), stored, in the given order.
using RecordingEntries = std::vector<std::pair<std::string, Bytes>>;
void WriteRecording(const std::string& path, const RecordingEntries& entries);

inline UnitAddress Player(UnitId unit) { return {PlayerWindow::kId, unit}; }

// Loads PlayerWindow through RecorderWindow's 按钮4.
void OpenPlayer();
// 按钮1 with the file dialog answering `path` (empty: the user cancels); returns once the
// recording is wholly unpacked and earlier extraction folders are gone.
void OpenRecordingFile(const std::string& path);
// The same, returning as the click does: with the first frame in, the rest still on its way.
void StartOpeningRecordingFile(const std::string& path);
// Clicks a PlayerWindow button.
void ClickPlayer(UnitId button);
// One tick of 时钟, delivered at once; the real timer gets no turn in between.
void Tick(int count = 1);

std::string TimeText();
bool PlayerButtonEnabled(UnitId button);
// 播放按钮, 暂停按钮 and 终止按钮 enabled as given; 按钮1 and 按钮2 always.
void ExpectButtons(bool play, bool pause, bool stop);
// The interval of 时钟: 100 while playing, 0 otherwise.
int ClockInterval();
// The position and maximum 进度条1 shows.
int ProgressShown();
int ProgressMaximumShown();
// What the screen shows of a control's client area, once it has painted.
Picture ClientOnScreen(HWND control);
// What the screen shows of 画板's client area, once it has painted.
Picture PanelOnScreen();
// The colour at the middle of it.
Pixel PanelCentre();
