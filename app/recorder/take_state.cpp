#include "app/recorder/take_state.h"

namespace {
struct Row {
  TakeState state;
  TakeButtons buttons;
};
constexpr Row kRows[] = {
    {TakeState::Idle, {.record = true, .stop = false, .save = false}},
    {TakeState::Recording, {.record = false, .stop = true, .save = false}},
    {TakeState::Paused, {.record = false, .stop = true, .save = false}},
    {TakeState::Stopped, {.record = true, .stop = false, .save = true}},
};
}  // namespace

TakeButtons TakeButtonsFor(TakeState state, TakeHolder holder) {
  if (holder == TakeHolder::Countdown) return {.record = false, .stop = true, .save = false};
  if (holder != TakeHolder::Nobody) return {};
  for (const Row& row : kRows) {
    if (row.state == state) return row.buttons;
  }
  return {};
}
