#include "app/player/playback.h"

#include <algorithm>
#include <optional>

#include "app/player/playback_clock.h"
#include "app/player/playback_sound.h"
#include "app/player/player_layout.h"
#include "app/player/player_state.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "components/services/file_bytes.h"
#include "components/services/steady_clock.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr UnitAddress kPanel{kId, 画板};
constexpr UnitAddress kClock{kId, 时钟};

PlaybackClock playbackClock;
// A frame on its way from the unpack, to be shown once it lands: the one a seek went to, or the
// one whose time playback reached first; 0 for none. NextFrame is that frame meanwhile.
int awaitedFrame = 0;

void SetButtons(bool play, bool pause, bool stop) {
  SetEnabled({kId, 播放按钮}, play);
  SetEnabled({kId, 暂停按钮}, pause);
  SetEnabled({kId, 终止按钮}, stop);
}

void ShowFrame(int frameNumber) {
  WriteProperty(kPanel, draw_panel_property::kBackPicture, ReadWholeFile(PlayedFramePath(ExtractionFolder, frameNumber)));
}

// The time of frame `frame` and the recording's length, at its rate: frame 25 of 123 at ten a
// second reads "时长:2.5/12.3秒"; 0 after an open or a stop.
std::string TimeText(int frame) {
  return "时长:" + FrameSecondsText(frame, PlayerFrameRate) + "/" + FrameSecondsText(PlayerFrameCount, PlayerFrameRate) +
         "秒";
}

// The progress bar runs one step ahead of the frame on screen, as the ticks leave it.
void ShowPositionOf(int frame) {
  WriteProperty(kProgress, process_bar_property::kPosition, frame + 1);
  WriteProperty(kTime, label_property::kCaption, TimeText(frame));
}

// What a tick does for the frame it shows.
void ShowFrameAt(int frame) {
  ShowFrame(frame);
  ShownFrame = frame;
  awaitedFrame = 0;
  NextFrame = frame + 1;
  ShowPositionOf(frame);
}

// 时钟 ticks when the next frame is due, not a fixed period on: a late tick then makes the
// following one come sooner, rather than every later frame late by as much.
void TickWhenNextFrameIsDue() {
  WriteProperty(kClock, timer_property::kInterval, MillisecondsUntil(NextFrameDue(), SteadyMicroseconds()));
}

// Playback goes on from `frame`, whose time begins now, and its sound with it.
void PlayOnFrom(int frame) {
  playbackClock.GoOnAt(frame, SteadyMicroseconds(), PlayerFrameRate);
  PlaySoundFrom(frame);
  TickWhenNextFrameIsDue();
}

// While a device plays the sound, the frames keep its time rather than the steady clock's: the
// device's clock may drift from the system's over a long playback, and it stands while the
// device starts or waits for data, so each frame shows while its own sound is heard.
void KeepTimeBySound() {
  const int frame = playbackClock.startFrame();
  if (const std::optional<int64_t> heard = SoundHeardSinceFrameBegan(frame)) {
    playbackClock.Follow(*heard, SteadyMicroseconds());
  }
}

// The frame whose time it is has not landed yet: the unpack takes it next, and the clock waits
// for it (ShowAwaitedFrameOnceLanded).
void AwaitFrame(int frame) {
  PlayerUnpack.Want(frame);
  awaitedFrame = frame;
  NextFrame = frame;
}

// The frame for the time played so far; one whose time has come before it landed is waited
// for. The last frame's time may pass without a tick: it still shows, for a frame's time of its
// own, before playback ends.
void ShowFrameOfTheMoment() {
  const int due = playbackClock.FrameAt(SteadyMicroseconds());
  if (due < NextFrame) return;
  if (due > PlayerFrameCount) {
    if (NextFrame > PlayerFrameCount) {
      StopPlayback();
      return;
    }
    AwaitFrame(PlayerFrameCount);
    ShowAwaitedFrameOnceLanded();
  } else if (PlayerUnpack.FrameReady(due)) {
    ShowFrameAt(due);
  } else {
    AwaitFrame(due);
  }
}

}  // namespace

void StartPlayback() {
  FitLayoutToFrame();
  SetButtons(false, true, true);
  PlayOnFrom(NextFrame);
}

void PlaybackTick(EventRecord&) {
  FollowUnpack();
  if (!Playing()) return;
  KeepTimeBySound();
  if (awaitedFrame != 0) {
    ShowAwaitedFrameOnceLanded();
  } else {
    ShowFrameOfTheMoment();
  }
  if (Playing()) TickWhenNextFrameIsDue();
}

int64_t NextFrameDue() { return playbackClock.DueAt(NextFrame); }

void PausePlayback() {
  WriteProperty(kClock, timer_property::kInterval, 0);
  PauseSound();
  SetButtons(true, false, true);
}

void StopPlayback() {
  WriteProperty(kClock, timer_property::kInterval, 0);
  StopSound();
  SetButtons(true, false, false);
  WriteProperty(kProgress, process_bar_property::kPosition, 0);
  NextFrame = kFirstFrame;
  ShowFrame(kFirstFrame);
  ShownFrame = kFirstFrame;
  awaitedFrame = 0;
  WriteProperty(kTime, label_property::kCaption, TimeText(0));
}

bool Playing() { return ReadInt(kClock, timer_property::kInterval) != 0; }

// A frame not yet on disk: it shows once it has landed; until then 画板 keeps the frame it had.
void SeekTo(int frame, bool pause) {
  if (PlayerFrameCount < kFirstFrame) return;
  frame = std::clamp(frame, kFirstFrame, PlayerFrameCount);
  if (pause || !Playing()) PausePlayback();
  if (PlayerUnpack.FrameReady(frame)) {
    ShowFrameAt(frame);
  } else {
    AwaitFrame(frame);
    ShownFrame = frame;
    ShowPositionOf(frame);
  }
  // Paused, the sound's place has moved with the frame: playing again begins at the frame's.
  if (Playing()) {
    PlayOnFrom(frame);
  } else {
    StopSound();
  }
}

void StartAtFirstFrame() {
  NextFrame = kFirstFrame;
  ShownFrame = 0;
  awaitedFrame = 0;
  WriteProperty(kTime, label_property::kCaption, TimeText(0));
}

// The time the frame waited for belongs to it: playback goes on from it as it shows.
void ShowAwaitedFrameOnceLanded() {
  if (awaitedFrame == 0 || !PlayerUnpack.FrameReady(awaitedFrame)) return;
  const int frame = awaitedFrame;
  ShowFrameAt(frame);
  if (Playing()) PlayOnFrom(frame);
}

void FollowUnpack() {
  int frameCount = 0;
  if (!PlayerUnpack.TakeEnd(&frameCount) || frameCount == PlayerFrameCount) return;
  PlayerFrameCount = frameCount;
  if (FittedToFirstFrame()) WriteProperty(kProgress, process_bar_property::kMaximum, PlayerFrameCount);
  WriteProperty(kTime, label_property::kCaption, TimeText(NextFrame - 1));
}
