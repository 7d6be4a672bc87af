#include "app/player/playback.h"

#include <algorithm>

#include "app/player/player_layout.h"
#include "app/player/player_state.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "components/services/file_bytes.h"
#include "components/services/number_text.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr UnitAddress kPanel{kId, 画板};
constexpr UnitAddress kClock{kId, 时钟};
constexpr int kTickMilliseconds = 100;

void SetButtons(bool play, bool pause, bool stop) {
  SetEnabled({kId, 播放按钮}, play);
  SetEnabled({kId, 暂停按钮}, pause);
  SetEnabled({kId, 终止按钮}, stop);
}

void ShowFrame(int frameNumber) {
  WriteProperty(kPanel, draw_panel_property::kBackPicture, ReadWholeFile(PlayedFramePath(ExtractionFolder, frameNumber)));
}

std::string TimeText(double elapsedSeconds) {
  return "时长:" + DecimalText(elapsedSeconds) + "/" + FrameSecondsText(PlayerFrameCount, kDefaultFrameRate) + "秒";
}

// The frame just shown ÷ 10: frame 25 reads 2.5; after an open or a stop 0.
void ShowElapsedTime() { WriteProperty(kTime, label_property::kCaption, TimeText(NextFrame / 10.0 - 0.1)); }

// A frame a seek waits for, to be shown once it lands; 0 for none.
int soughtFrame = 0;

// The progress bar runs one step ahead of the frame on screen, as the ticks leave it.
void ShowPositionOf(int frame) {
  WriteProperty(kProgress, process_bar_property::kPosition, frame + 1);
  WriteProperty(kTime, label_property::kCaption, TimeText((frame + 1) / 10.0 - 0.1));
}

// What a tick does for the frame it shows.
void ShowFrameAt(int frame) {
  ShowFrame(frame);
  ShownFrame = frame;
  soughtFrame = 0;
  NextFrame = frame + 1;
  ShowPositionOf(frame);
}

}  // namespace

void StartPlayback() {
  FitLayoutToFrame();
  SetButtons(false, true, true);
  WriteProperty(kClock, timer_property::kInterval, kTickMilliseconds);
}

void PlaybackTick(EventRecord&) {
  FollowUnpack();
  if (NextFrame > PlayerFrameCount) {
    StopPlayback();
    return;
  }
  if (!PlayerUnpack.FrameReady(NextFrame)) return;
  ShowFrameAt(NextFrame);
}

void PausePlayback() {
  WriteProperty(kClock, timer_property::kInterval, 0);
  SetButtons(true, false, true);
}

void StopPlayback() {
  WriteProperty(kClock, timer_property::kInterval, 0);
  SetButtons(true, false, false);
  WriteProperty(kProgress, process_bar_property::kPosition, 0);
  NextFrame = kFirstFrame;
  ShowFrame(kFirstFrame);
  ShownFrame = kFirstFrame;
  soughtFrame = 0;
  WriteProperty(kTime, label_property::kCaption, TimeText(0));
}

bool Playing() { return ReadInt(kClock, timer_property::kInterval) != 0; }

// A frame not yet on disk: the next tick, or the unpack's watch while paused, shows it once it
// has landed; until then 画板 keeps the frame it had.
void SeekTo(int frame, bool pause) {
  if (PlayerFrameCount < kFirstFrame) return;
  frame = std::clamp(frame, kFirstFrame, PlayerFrameCount);
  if (pause || !Playing()) PausePlayback();
  if (PlayerUnpack.FrameReady(frame)) {
    ShowFrameAt(frame);
    return;
  }
  PlayerUnpack.Want(frame);
  ShownFrame = frame;
  soughtFrame = frame;
  NextFrame = frame;
  ShowPositionOf(frame);
}

void StartAtFirstFrame() {
  NextFrame = kFirstFrame;
  ShownFrame = 0;
  soughtFrame = 0;
}

void ShowSoughtFrameOnceLanded() {
  if (soughtFrame != 0 && NextFrame == soughtFrame && PlayerUnpack.FrameReady(soughtFrame)) ShowFrameAt(soughtFrame);
}

void FollowUnpack() {
  int frameCount = 0;
  if (!PlayerUnpack.TakeEnd(&frameCount) || frameCount == PlayerFrameCount) return;
  PlayerFrameCount = frameCount;
  if (FittedToFirstFrame()) WriteProperty(kProgress, process_bar_property::kMaximum, PlayerFrameCount);
  ShowElapsedTime();
}
