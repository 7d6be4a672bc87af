// A take: numbered snapshots of what the settings choose to record, one for each slot of the
// take's clock (take_clock.h), handed to the take's writer, which keeps them in FrameFolder; the
// elapsed seconds show in 标签1. 时钟1 only wakes the loop to look at the clock. A pause stops
// the clock and the numbering with it.
#include <windows.h>

#include "app/recorder/capture_area.h"
#include "app/recorder/countdown_window.h"
#include "app/recorder/disk_space.h"
#include "app/recorder/rescaled_frame_size.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/screen_snapshot.h"
#include "app/recorder/take_clock.h"
#include "app/recorder/take_messages.h"
#include "app/recorder/take_owner.h"
#include "app/recorder/take_questions.h"
#include "app/recorder/take_sound.h"
#include "app/recorder/take_state.h"
#include "app/recorder/take_writer.h"
#include "app/recorder/unsaved_take.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "components/services/file_bytes.h"
#include "components/services/screen_pixels.h"
#include "components/services/services.h"
#include "components/services/steady_clock.h"
#include "components/services/wide_text.h"
#include "controls/tray_icon.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"

namespace {

using namespace RecorderWindow;

constexpr UnitAddress kClock{kId, 时钟1};

// Kept from tick to tick while a take runs.
ScreenSnapshots snapshots;
TakeWriter writer;
TakeSound takeSound;
TakeClock takeClock;
ScreenArea takeArea;  // empty: the primary screen
int takeRate = 0;     // 0 until known
TakeState takeState = TakeState::Idle;

// The tray menu's "退出" can close RecorderWindow while a question or SaveDialog waits in its
// own message loop; then there is nothing left to record into.
bool RecorderGone() { return !IsWindowLoaded(kId); }

// The take stops as 停止 stops it, with the frames written whole, and the user learns why and
// that what was recorded can be saved. A fault the writer met meanwhile is the one told.
using TakeStopText = std::string (*)(int frames, int rate);

void StopTakeOnFault(TakeStopText reason) {
  StopRecording();
  if (writer.LastOutcome().fault == WriterFault::None) TellAboutTake(reason(FrameCount, TakeFrameRate()));
}

// A sound file that could not be written: for want of room, or otherwise.
TakeStopText SoundStopReason() {
  return HasRoomFor(FrameFolder, 0, kFreeSpaceMargin) ? SoundNotWrittenText : DiskFullStoppedText;
}

TakeStopText FaultReason(WriterFault fault) {
  return fault == WriterFault::DiskFull ? DiskFullStoppedText : FrameNotWrittenText;
}

// The take is coded ahead for the quality SaveDialog will open at, for the frames it records.
PrecodeTarget PrecodeTargetNow() {
  const FrameSize canvas = SaveCanvasSize(QualityPercent);
  return {QualityPercent, canvas.width, canvas.height};
}

// 标签1's text: the take's state, then its length in seconds so far.
std::string SecondsStatus(const std::string& state) { return state + FrameSecondsText(FrameCount, TakeFrameRate()) + "秒"; }

// The take's clock and its sound go on at `now` from the frames the take has: the next frame's
// slot, and the sound that plays with it, begin then.
void GoOnFromNow(int64_t now) {
  const int rate = TakeFrameRate();
  takeClock.GoOnAt(now, FrameCount, rate);
  takeSound.GoOnAt(now, FrameStartMicroseconds(FrameCount + 1, rate));
}

// The take's clock goes on from the frames it has, 时钟1 runs, and a frame is captured at once
// rather than a tick later.
void RunClock() {
  GoOnFromNow(SteadyMicroseconds());
  WriteProperty(kClock, timer_property::kInterval, CaptureTickMilliseconds(takeClock.rate()));
  EventRecord firstTick{kId, 时钟1, 0, {}, {}};
  CaptureTick(firstTick);
}

// A take at any rate but the first keeps its rate beside its frames, in the recording entry's
// own form, so a take left to the next start saves at its rate too.
void KeepTakeRate(int rate) {
  if (rate == kDefaultFrameRate) return;
  const std::string text = FrameRateEntryText(rate);
  WriteWholeFile(FrameFolder + "\\" + kFrameRateEntryName, std::vector<uint8_t>(text.begin(), text.end()));
}

// The countdown shows over what the take records; 停止 (its hotkey too) or Esc during it starts
// nothing, and no other command reaches the take meanwhile.
bool CountDownBeforeTake(const ScreenArea& area, int seconds) {
  if (seconds <= 0) return true;
  const TakeHold hold(TakeHolder::Countdown);
  const ScreenSize primary = area.IsEmpty() ? PrimaryScreenPixels() : ScreenSize{};
  const bool ranOut = RunCountdown(area.IsEmpty() ? ScreenArea{0, 0, primary.width, primary.height} : area, seconds);
  return ranOut && !RecorderGone();
}

// The sources the settings turn on; one the system refuses is told once, and the take records
// without it.
void BeginTakeSound(const Settings& settings) {
  std::vector<TakeSoundSource> sources;
  if (settings.recordMicrophone) sources.push_back({SoundSourceKind::Microphone, settings.microphoneName});
  if (settings.recordComputerSound) sources.push_back({SoundSourceKind::ComputerSound, {}});
  if (sources.empty()) return;
  std::string refused;
  for (const SoundSourceAnswer& answer : takeSound.Begin(FrameFolder, sources))
    if (answer.refusal != SoundRefusal::None) refused += SoundLeftOutText(answer.kind, answer.refusal);
  if (!refused.empty()) ShowTrayBalloon(kId, "Velmo屏幕录像器", refused);
}

// The slots between the last frame and `slot` repeat the last frame; a gap too long for that
// is taken out of the take, as a pause is. The slot the frame then goes into.
bool RepeatSkippedSlots(int64_t& slot, int64_t now) {
  if (slot - FrameCount - 1 > LongestRepeatedGap(takeClock.rate())) {
    GoOnFromNow(now);
    slot = FrameCount + 1;
  }
  for (int number = FrameCount + 1; number < slot; ++number) {
    if (!writer.Repeat(number)) return false;
  }
  return true;
}

}  // namespace

// A take already running ends at the question, its frames written: they are the take the question is about,
// and no tick may write into the folder while that take is saved or removed. Only 否 gives the
// older take up for the new one. A question closed without an answer starts nothing, and a save
// cancelled or failed does not start the new take either: the older take stays ready to save,
// as after 停止. A new take never shares the folder with an older one.
void StartTake() {
  if (TakeRuns(takeState)) StopRecording();
  if (AnyFrameFileExists(FrameFolder)) {
    const TakeAnswer answer = AskAboutTake("上次录制数据还未保存,现在是否要保存？");
    if (RecorderGone()) return;
    if (answer == TakeAnswer::Dismissed) return StopRecording();
    if (answer == TakeAnswer::Yes) {
      RunSaveDialog();
      if (RecorderGone()) return;
      if (AnyFrameFileExists(FrameFolder)) return StopRecording();
    }
  }
  const Settings& settings = CurrentSettings();
  takeArea = TakeAreaFor(settings.captureChoice, settings.captureArea, VirtualScreenArea());
  if (!CountDownBeforeTake(takeArea, settings.countdownSeconds)) return;
  RemoveFolderTree(FrameFolder);
  if (!HasRoomFor(FrameFolder, ScreenSnapshotBytes(takeArea), kFreeSpaceMargin)) {
    SetTakeState(TakeState::Idle);
    TellAboutTake(NoRoomToRecordText());
    return;
  }
  CreateDirectoryW(Widen(FrameFolder).c_str(), nullptr);
  takeRate = settings.frameRate;
  KeepTakeRate(takeRate);
  WriteProperty(kStatus, label_property::kTextColour, kRecordingTextColour);
  FrameCount = 0;
  writer.Begin(FrameFolder, 1, PrecodeTargetNow());
  BeginTakeSound(settings);
  SetTakeState(TakeState::Recording);
  RunClock();
}

// A tick that a question, SaveDialog or a save meets in its own message loop writes nothing: the
// take is theirs. Nor does a tick whose slot has its frame. A screen that cannot be read just now
// (a locked workstation, the secure desktop, a display mode change) gives no frame, and the
// slots it takes are repeated once it can be read again. Before a frame is handed over its volume
// must keep the margin for the frame as a bitmap, the most a lean frame can take; a frame the
// writer could not write whole is removed, and the writer takes no more. Either stops the take,
// so a full disk never gets empty or partial frames written on and on.
void CaptureTick(EventRecord&) {
  if (takeState != TakeState::Recording || !TakeCommandAllowed(TakeCommand::CaptureFrame)) return;
  if (takeSound.Failed()) return StopTakeOnFault(SoundStopReason());
  const int64_t now = SteadyMicroseconds();
  int64_t slot = takeClock.SlotAt(now);
  if (slot <= FrameCount) return;
  const SnapshotFile& frame = snapshots.Take(takeArea);
  if (frame.size() == 0) return;
  if (!HasRoomFor(FrameFolder, frame.size(), kFreeSpaceMargin)) return StopTakeOnFault(DiskFullStoppedText);
  if (!RepeatSkippedSlots(slot, now) || !writer.Hand(static_cast<int>(slot), frame))
    return StopTakeOnFault(FrameNotWrittenText);
  FrameCount = static_cast<int>(slot);
  WriteProperty(kStatus, label_property::kCaption, SecondsStatus("录制："));
}

// The take counts the frames the writer kept whole; one it could not write stops the take
// here too when 停止 comes first.
void StopRecording() {
  WriteProperty(kClock, timer_property::kInterval, 0);
  takeSound.Finish();
  const bool writing = TakeRuns(takeState);
  const WriterOutcome outcome = writer.Finish();
  if (writing) FrameCount = outcome.framesWritten;
  SetTakeState(TakeState::Stopped);
  ReleaseTakeBuffers();
  WriteProperty(kStatus, label_property::kTextColour, kStoppedTextColour);
  WriteProperty(kStatus, label_property::kCaption, SecondsStatus("停止："));
  if (writing && outcome.fault != WriterFault::None) TellAboutTake(FaultReason(outcome.fault)(FrameCount, TakeFrameRate()));
}

// The rate is read again from the folder, the take's own record of it.
void ReleaseTakeBuffers() {
  snapshots.Release();
  takeRate = 0;
}

void PauseTake() {
  WriteProperty(kClock, timer_property::kInterval, 0);
  takeSound.Pause();
  SetTakeState(TakeState::Paused);
  WriteProperty(kStatus, label_property::kTextColour, kPausedTextColour);
  WriteProperty(kStatus, label_property::kCaption, SecondsStatus("暂停："));
}

// The first frame after the pause is captured at once, as a take's first is.
void ResumeTake() {
  SetTakeState(TakeState::Recording);
  WriteProperty(kStatus, label_property::kTextColour, kRecordingTextColour);
  WriteProperty(kStatus, label_property::kCaption, SecondsStatus("录制："));
  RunClock();
}

TakeState CurrentTakeState() { return takeState; }

// The buttons and the tray tip follow the state; the tip changes only on the way into a pause
// and out of it.
void SetTakeState(TakeState state) {
  const bool pauseChanges = (takeState == TakeState::Paused) != (state == TakeState::Paused);
  takeState = state;
  ShowTakeButtons();
  if (pauseChanges) ShowTakePausedInTray(state == TakeState::Paused);
}

bool TakeIsPaused() { return takeState == TakeState::Paused; }

bool TakeIsRunning() { return TakeRuns(takeState); }

// The frames handed over are written before the program goes, so the next start finds them.
void LeaveTakeToTheNextStart() {
  takeSound.Finish();
  writer.Finish();
  takeState = TakeState::Idle;
}

const PrecodedFrames* PrecodedTake() {
  if (TakeRuns(takeState)) return nullptr;
  return &writer.Precoded();
}

uint64_t TakeWriterWaits() { return writer.Waits(); }

// Read from the folder once for a take the program did not start itself.
int TakeFrameRate() {
  if (takeRate == 0) takeRate = RecordingFrameRate(FrameFolder);
  return takeRate;
}

ScreenSize TakeFrameSize() {
  if (const auto shape = TakeFrameShape(FrameFolder)) return {shape->width, shape->height};
  if (!takeArea.IsEmpty()) return {takeArea.width, takeArea.height};
  return PrimaryScreenPixels();
}

ScreenArea NextTakeArea() {
  const Settings& settings = CurrentSettings();
  return TakeAreaFor(settings.captureChoice, settings.captureArea, VirtualScreenArea());
}
