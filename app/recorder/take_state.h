// What the take is now, and the row of 录制, 停止 and 保存 that follows from it. Plain C++, so
// the table is tested without a window.
#pragma once
#include "app/recorder/take_owner.h"

// Idle: no take to save (the program has just started, or a save of the take has been tried).
// Recording and Paused: a take runs. Stopped: the take ended by 停止 (or a fault), ready for 保存.
enum class TakeState { Idle, Recording, Paused, Stopped };

struct TakeButtons {
  bool record;
  bool stop;
  bool save;
  bool operator==(const TakeButtons&) const = default;
};

// The buttons for `state`. While anybody holds the take (a question, SaveDialog, a save) none of
// the three would act, so all three are greyed, and they show `state`'s row again when the hold ends.
TakeButtons TakeButtonsFor(TakeState state, TakeHolder holder);

// Whether a take runs: it records, or it is paused.
constexpr bool TakeRuns(TakeState state) { return state == TakeState::Recording || state == TakeState::Paused; }
