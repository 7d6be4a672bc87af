#include "app/player/seek_commands.h"

#include <windows.h>

#include "app/player/playback.h"
#include "app/player/player_state.h"
#include "app/player/range_commands.h"
#include "app/player/seek.h"
#include "controls/event_index.h"
#include "controls/property_indexes.h"
#include "controls/property_value.h"
#include "forms/handler_id.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

bool ButtonEnabled(UnitId button) { return ReadInt({kId, button}, common_property::kDisabled) == 0; }

// The frame under the pointer, at the press and at every move of a drag; playing goes on from
// there, paused or stopped it stays paused there.
void SeekOnProgressBar(EventRecord& event) {
  if (!RecordingOpen()) return;
  const int frame = FrameUnderPointer(AsInt(event.arguments.at(0)), AsInt(event.arguments.at(1)), PlayerFrameCount);
  if (event.event == ProcessBarEvent::kPointerMove && frame == ShownFrame) return;
  SeekTo(frame, false);
}

// Space does what the enabled one of 播放按钮 and 暂停按钮 does; with neither (nothing opened)
// the key is left to the focused button.
bool PlayOrPause() {
  if (ButtonEnabled(播放按钮)) {
    StartPlayback();
  } else if (ButtonEnabled(暂停按钮)) {
    PausePlayback();
  } else {
    return false;
  }
  return true;
}

// Every step pauses: the arrows step single frames, Ctrl with an arrow a second of frames at the
// recording's rate, Home and End go to the first and the last frame, and each leaves that frame
// on screen to look at.
bool StepTo(int key, bool ctrl) {
  const int step = ctrl ? PlayerFrameRate : 1;
  switch (key) {
    case VK_LEFT:
      SeekTo(SteppedFrame(ShownFrame, -step, PlayerFrameCount), true);
      return true;
    case VK_RIGHT:
      SeekTo(SteppedFrame(ShownFrame, step, PlayerFrameCount), true);
      return true;
    case VK_HOME:
      if (ctrl) return false;
      SeekTo(kFirstFrame, true);
      return true;
    case VK_END:
      if (ctrl) return false;
      SeekTo(PlayerFrameCount, true);
      return true;
    default:
      return false;
  }
}

// A held Space plays or pauses once; its repeats are taken and do nothing. The steps repeat.
bool TakeKey(int key, int held, bool repeat) {
  const bool ctrl = (held & WindowEvent::kCtrlHeld) != 0;
  if (held & WindowEvent::kAltHeld) return false;
  if (key == VK_SPACE) return !ctrl && (repeat ? RecordingOpen() : PlayOrPause());
  if (key == VK_ESCAPE) {
    ClearRangeMarks();
    return true;
  }
  if (!RecordingOpen()) return false;
  if (StepTo(key, ctrl)) return true;
  if (ctrl) {
    if (key != 'S') return false;
    SaveMarkedRange();
    return true;
  }
  if (key == 'I') {
    MarkRangeStartHere();
  } else if (key == 'O') {
    MarkRangeEndHere();
  } else {
    return false;
  }
  return true;
}

void PlayerKeyDown(EventRecord& event) {
  const bool taken = TakeKey(AsInt(event.arguments.at(0)), AsInt(event.arguments.at(1)), AsInt(event.arguments.at(2)) != 0);
  event.result = int32_t{taken ? 1 : 0};
}

}  // namespace

void AddSeekHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::PlayerKeyDown, PlayerKeyDown);
  handlers.Bind(HandlerId::SeekOnProgressBar, SeekOnProgressBar);
}
