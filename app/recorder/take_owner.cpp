#include "app/recorder/take_owner.h"

namespace {
TakeHolder holder = TakeHolder::Nobody;
void (*holdWatcher)() = nullptr;

void HoldBy(TakeHolder by) {
  holder = by;
  if (holdWatcher) holdWatcher();
}
}  // namespace

// The take's own commands act only when nobody holds it. 保存按钮 starts one save and no more;
// SaveDialog may also be loaded without a hold (by the runtime's own tests), and then acts as if
// it held the take. While a save runs, SaveDialog stays until the save has ended.
bool TakeCommandAllowed(TakeCommand command, TakeHolder by) {
  switch (command) {
    case TakeCommand::Stop:
      return by == TakeHolder::Nobody || by == TakeHolder::Countdown;
    case TakeCommand::Record:
    case TakeCommand::PauseOrResume:
    case TakeCommand::CaptureFrame:
    case TakeCommand::OpenSaveDialog:
      return by == TakeHolder::Nobody;
    case TakeCommand::Save:
    case TakeCommand::CloseSaveDialog:
      return by == TakeHolder::Nobody || by == TakeHolder::SaveDialog;
  }
  return false;
}

bool TakeCommandAllowed(TakeCommand command) { return TakeCommandAllowed(command, holder); }

TakeHolder TakeHeldBy() { return holder; }

void WatchTakeHolds(void (*watcher)()) { holdWatcher = watcher; }

TakeHold::TakeHold(TakeHolder by) : before_(holder) { HoldBy(by); }

TakeHold::~TakeHold() { HoldBy(before_); }
