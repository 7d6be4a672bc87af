// Runs a benchmark inside the program: the real recorder and player handlers and the stored
// windows, with the user's answers scripted (every file dialog confirms a given path, every
// message box is answered OK) and no web page opened when RecorderWindow closes.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "controls/runtime.h"

// Runs `body` as the program's start-up; every window still loaded when it returns is
// destroyed, so the program ends, running the program's own end action.
void RunInBenchProgram(const std::function<void()>& body);

// From now on every open or save dialog confirms `path` (UTF-8).
void AnswerFileDialogsWith(const std::string& path);
// When a file dialog was last answered so (NowMilliseconds); 0 before the first.
double LastFileDialogAnswer();

// A message box the program showed, and when (NowMilliseconds).
struct ShownMessage {
  std::string text;
  double at;
};
// The boxes shown since RunInBenchProgram began.
const std::vector<ShownMessage>& ShownMessages();

// Clicks a button of a loaded window as the user would; nothing when it is not there.
void ClickButton(UnitAddress button);

// From now on until RunInBenchProgram returns, the steady clock stands still unless
// TickPlaybackOnTime moves it, so the player's own timer shows no frame of itself.
void StandTheClockStill();
// The clock moved on to the moment the player's next frame is due, and a tick of its 时钟 there:
// the next frame shows, or playback ends after the last one.
void TickPlaybackOnTime();

// The program's message loop for `milliseconds`: 时钟1 ticks as it would.
void RunMessageLoopFor(double milliseconds);

// Loads `window` modally and runs `inside` from within its message loop as soon as the loop
// runs; returns once the window has been destroyed again.
void RunInsideModal(WindowId window, const std::function<void()>& inside);
