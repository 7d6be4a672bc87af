// PlayerWindow as a user meets it: loaded from RecorderWindow's 按钮4, a recording picked in its
// file dialog, ticks of 时钟 one by one at moments the test chooses on the standing test clock
// (tests/recorder/recorder_fixture.h), and what 画板, 进度条1 and 标签1 then show.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "controls/runtime.h"
#include "forms/player_window.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

// A JPEG frame of one colour, written by the program's own converter.
Bytes JpegFrame(int width, int height, Pixel colour);

// A recording file holding these entries (name, bytes), stored, in the given order.
using RecordingEntries = std::vector<std::pair<std::string, Bytes>>;
void WriteRecording(const std::string& path, const RecordingEntries& entries);
// Frames 1 to `frames` of 640x480, each of a colour of its own, and at a `rate` other than ten
// the rate entry after them, as a take at that rate is saved.
RecordingEntries FramesOfTheirOwnColours(int frames, int rate = 10);
// The frame of those `frames` whose colour 画板 shows at its middle; 0 when none is near.
int FrameOnScreen(int frames);

inline UnitAddress Player(UnitId unit) { return {PlayerWindow::kId, unit}; }

// A folder of the test's own, where the peers find what the range saves wrote
// (VELMO_RANGE_OUT), or `scratch` when no peer asked.
std::string RangeOutputFolder(const TempFolder& scratch);

// Loads PlayerWindow through RecorderWindow's 按钮4.
void OpenPlayer();
// 按钮1 with the file dialog answering `path` (empty: the user cancels); returns once the
// recording is wholly unpacked and earlier extraction folders are gone.
void OpenRecordingFile(const std::string& path);
// The same, returning as the click does: with the first frame in, the rest still on its way.
void StartOpeningRecordingFile(const std::string& path);
// Clicks a PlayerWindow button.
void ClickPlayer(UnitId button);
// One tick of 时钟, delivered at once, with the clock moved on to when the next frame is due:
// `count` ticks show `count` frames in a row (the real timer's find the clock standing).
void Tick(int count = 1);
// A tick `microseconds` after the moment before: late, early, or after ticks that never came.
void TickAfter(int64_t microseconds);

std::string TimeText();
bool PlayerButtonEnabled(UnitId button);
// 播放按钮, 暂停按钮 and 终止按钮 enabled as given; 按钮1 and 按钮2 always.
void ExpectButtons(bool play, bool pause, bool stop);
// The interval of 时钟: the milliseconds until the next frame is due while playing, else 0.
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
