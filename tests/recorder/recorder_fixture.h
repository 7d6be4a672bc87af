// Runs test code inside the program with its real handlers, a scripted answer to the message
// boxes and file dialogs (tests/recorder/scripted_user.h), a recorded web page instead of a
// browser, and a fresh working folder.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/runtime.h"

// Runs `body` after RecorderWindow has been built (its created handler has run); every window
// still open afterwards is destroyed, so the program ends, and the program's end runs. The
// working folder is emptied first, so no take of an earlier test is offered at start-up.
void RunRecorder(const std::function<void()>& body);
// The next RunRecorder keeps what the working folder holds, as the program starts after a crash.
void KeepWorkingFolderForNextRun();

// Inside RunRecorder the steady clock stands still unless a test moves it, so a tick writes a
// frame only in a new slot and a test decides exactly which frames a take has, and which frame a
// playback shows at each tick.
void MoveClockBy(int64_t microseconds);
// `count` ticks of 时钟1, each a frame period of the take's rate after the one before: `count`
// more frames of a take that records.
void CaptureTicks(int count);
// The system's own clock for the rest of RunRecorder: for a test that records or plays while
// time passes.
void UseSystemClock();

// What the program asked and opened during the last RunRecorder.
struct RecorderSeen {
  std::vector<std::string> questions;  // message box texts, questions and reports alike
  std::vector<std::string> captions;
  std::vector<unsigned> styles;
  std::vector<std::wstring> webPages;
};
const RecorderSeen& Seen();
// The answer the question boxes give (IDYES or IDNO); IDNO unless set. Boxes with only an OK
// button are answered OK.
void AnswerQuestionsWith(int answer);

// Runs `action` inside the next question box, before it is answered, as if the user acted
// elsewhere while the question waits.
void WhileAsked(std::function<void()> action);

// How a user ends a question box: one of its buttons, or a way that closes it without either.
enum class QuestionEnd { Yes, No, Escape, CloseBox, AltF4 };
// The question boxes of the next RunRecorder are the system's own, ended `end`'s way from their
// own message loop. Should the system refuse a way, the box is closed by Esc after a second and
// QuestionEndsRefused counts it.
void EndQuestionsBy(QuestionEnd end);
int QuestionEndsRefused();
// "Yes", "No", "Escape", "CloseBox", "AltF4": the name of a parameterised test's case.
std::string QuestionEndName(const testing::TestParamInfo<QuestionEnd>& info);

// The live control of RecorderWindow, or the window itself for its own id.
HWND RecorderHwnd(UnitId unit);
// Clicks a button of RecorderWindow as a user would.
void Click(UnitId button);
// The working folder's path as the recorder names it: the temporary folder + "greentemp".
std::string WorkingFolder();
// Where the recorder keeps frame n of a take: the working folder's "n.vlf".
std::string LeanFrameFile(int n);
// Frame n of the take in the working folder as a save reads it: a complete 24-bit BMP file of
// what was captured (its frames 1 to n read in turn); empty when it cannot be read.
std::vector<uint8_t> TakeFrameFile(int n);
