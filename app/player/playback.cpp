#include "app/player/playback.h"

#include <algorithm>

#include "app/player/player_state.h"
#include "app/player/work_area_fit.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "components/services/file_bytes.h"
#include "components/services/number_text.h"
#include "components/services/services.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr UnitAddress kWindow{kId, kId};
constexpr UnitAddress kPanel{kId, 画板};
constexpr UnitAddress kScale{kId, 标签2};
constexpr UnitAddress kClock{kId, 时钟};
constexpr int kTickMilliseconds = 100;
// The window's width beyond the panel, and its height beyond panel, progress bar and buttons.
constexpr double kWidthAroundPanel = 6;
constexpr double kSpareHeight = 40;

// Whether the last fit found a first frame to lay the window out around, and so set the
// progress bar's maximum from the frame count.
bool fittedToFirstFrame = false;

void SetButtons(bool play, bool pause, bool stop) {
  SetEnabled({kId, 播放按钮}, play);
  SetEnabled({kId, 暂停按钮}, pause);
  SetEnabled({kId, 终止按钮}, stop);
}

// Sizes and positions are worked out in double precision and truncated toward zero.
void Write(UnitAddress unit, int index, double value) { WriteProperty(unit, index, static_cast<int32_t>(value)); }

void ShowFrame(int frameNumber) {
  WriteProperty(kPanel, draw_panel_property::kBackPicture, ReadWholeFile(PlayedFramePath(ExtractionFolder, frameNumber)));
}

// DisplayScale percent of the first frame, shrunk when the window around it would be larger than
// the work area.
PanelSize PanelForFrame(int w0, int h0, const ScreenArea& work) {
  using namespace common_property;
  const PanelSize scaled{static_cast<int>(w0 * static_cast<double>(DisplayScale) / 100),
                         static_cast<int>(h0 * static_cast<double>(DisplayScale) / 100)};
  const int heightAround =
      ReadInt(kProgress, kHeight) + ReadInt({kId, 播放按钮}, kHeight) + static_cast<int>(kSpareHeight);
  return PanelFittingWorkArea(scaled, static_cast<int>(kWidthAroundPanel), heightAround, work.width, work.height);
}

// Every step reads the properties as the steps before it left them (sizes are clamped when
// written), so the layout is worked out on the window itself. The window is centred on the
// screen and then kept inside the work area, which moves it only where it would reach beyond.
void LayOutAround(int w0, int h0) {
  using namespace common_property;
  const ScreenArea work = PrimaryWorkArea();
  const PanelSize panel = PanelForFrame(w0, h0, work);
  Write(kPanel, kHeight, panel.height);
  Write(kPanel, kWidth, panel.width);
  Write(kWindow, kHeight, static_cast<double>(ReadInt(kPanel, kHeight)) + ReadInt(kProgress, kHeight) +
                              ReadInt({kId, 播放按钮}, kHeight) + kSpareHeight);
  Write(kWindow, kWidth, ReadInt(kPanel, kWidth) + kWidthAroundPanel);
  Write(kProgress, kWidth, static_cast<double>(ReadInt(kPanel, kWidth)) - 20 - ReadInt(kTime, kWidth));
  Write(kProgress, kTop, ReadInt(kPanel, kHeight) + 4.0);
  Write(kTime, kTop, ReadInt(kProgress, kTop) - 2.0);
  Write(kTime, kLeft, ReadInt(kProgress, kWidth) + 12.0);
  WriteProperty(kProgress, process_bar_property::kMaximum, PlayerFrameCount);
  for (UnitId button : {播放按钮, 暂停按钮, 终止按钮}) {
    Write({kId, button}, kTop, static_cast<double>(ReadInt(kProgress, kTop)) + ReadInt(kProgress, kHeight) + 4);
  }
  WriteProperty({kId, 按钮1}, kTop, ReadInt({kId, 播放按钮}, kTop));
  WriteProperty({kId, 按钮2}, kTop, ReadInt({kId, 按钮1}, kTop));
  Write(kScale, kWidth, ReadInt(kPanel, kWidth) / 5.0 - 10);
  Write(kScale, kLeft, ReadInt(kPanel, kWidth) / 5.0 * 4 + 4);
  WriteProperty(kScale, label_property::kCaption, "规格:" + IntegerText(DisplayScale) + "%");
  const ScreenSize screen = PrimaryScreenSize();
  const int height = ReadInt(kWindow, kHeight);
  const int width = ReadInt(kWindow, kWidth);
  const int top = static_cast<int>((static_cast<double>(screen.height) - height) / 2);
  const int left = static_cast<int>((static_cast<double>(screen.width) - width) / 2);
  WriteProperty(kWindow, kTop, KeptWithin(top, height, work.top, work.top + work.height));
  WriteProperty(kWindow, kLeft, KeptWithin(left, width, work.left, work.left + work.width));
}

// Only the first frame is measured; when it is missing or not a picture nothing moves and the
// progress bar keeps its maximum.
void FitLayoutToFrame() {
  const int picture = LoadPicture(ReadWholeFile(PlayedFramePath(ExtractionFolder, kFirstFrame)));
  const int w0 = PictureWidth(kPanel, picture);
  fittedToFirstFrame = w0 != 0;
  if (fittedToFirstFrame) LayOutAround(w0, PictureHeight(kPanel, picture));
  UnloadPicture(picture);
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
  if (fittedToFirstFrame) WriteProperty(kProgress, process_bar_property::kMaximum, PlayerFrameCount);
  ShowElapsedTime();
}
