// One owner of the take at a time. The recorder's commands act on the take only while nobody
// else holds it; a question about the take, SaveDialog and a running save each hold it for as
// long as their own message loop runs, and every command that could touch the take asks here
// first. Plain C++, so the rule is tested without a window.
#pragma once

// Who holds the take now: nobody (the recorder's buttons and tray menu act on it), a question
// or a message of the recorder's own (the overlay that chooses what to record among them),
// SaveDialog waiting for 保存按钮, a save (its file dialog, its conversion and packing, and its
// closing message), or the countdown before a take, which 停止 ends.
enum class TakeHolder { Nobody, Question, SaveDialog, Save, Countdown };

// What can reach the take from outside the loop that holds it.
enum class TakeCommand {
  Record,          // 录制, from 按钮1, the tray menu or its hotkey
  Stop,            // 停止, from 按钮2, the tray menu or its hotkey
  PauseOrResume,   // 暂停 and 继续, from the tray menu or its hotkey
  CaptureFrame,    // a tick of 时钟1
  OpenSaveDialog,  // 按钮3
  Save,            // 保存按钮
  CloseSaveDialog, // Esc, the close box, 取消按钮
};

// Whether `command` may act while `holder` holds the take.
bool TakeCommandAllowed(TakeCommand command, TakeHolder holder);
// The same for the holder of this moment.
bool TakeCommandAllowed(TakeCommand command);

TakeHolder TakeHeldBy();

// `watcher` runs each time a hold begins or ends, so what shows the take can follow; null for none.
void WatchTakeHolds(void (*watcher)());

// Holds the take for `holder` while it lives; the holder before comes back when it goes, so
// holds nest the way the message loops that make them do.
class TakeHold {
 public:
  explicit TakeHold(TakeHolder holder);
  ~TakeHold();
  TakeHold(const TakeHold&) = delete;
  TakeHold& operator=(const TakeHold&) = delete;

 private:
  TakeHolder before_;
};
