// A take: numbered snapshots of the primary screen, one per tick of 时钟1, handed to the take's
// writer, which keeps them in FrameFolder; the elapsed seconds show in 标签1. A pause stops the
// clock and the numbering with it.
#include <windows.h>

#include "app/recorder/disk_space.h"
#include "app/recorder/rescaled_frame_size.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/screen_snapshot.h"
#include "app/recorder/take_messages.h"
#include "app/recorder/take_owner.h"
#include "app/recorder/take_questions.h"
#include "app/recorder/take_state.h"
#include "app/recorder/take_writer.h"
#include "app/recorder/unsaved_take.h"
#include "app/recording/recording_file.h"
#include "app/recording/frame_rate.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"

namespace {

using namespace RecorderWindow;

constexpr UnitAddress kClock{kId, 时钟1};
constexpr int kTickMilliseconds = 100;

// Kept from tick to tick while a take runs.
ScreenSnapshots snapshots;
TakeWriter writer;
TakeState takeState = TakeState::Idle;

// The tray menu's "退出" can close RecorderWindow while a question or SaveDialog waits in its
// own message loop; then there is nothing left to record into.
bool RecorderGone() { return !IsWindowLoaded(kId); }

// The take stops as 停止 stops it, with the frames written whole, and the user learns why and
// that what was recorded can be saved. A fault the writer met meanwhile is the one told.
void StopTakeOnFault(std::string (*reason)(int frames)) {
  StopRecording();
  if (writer.LastOutcome().fault == WriterFault::None) TellAboutTake(reason(FrameCount));
}

std::string (*FaultReason(WriterFault fault))(int frames) {
  return fault == WriterFault::DiskFull ? DiskFullStoppedText : FrameNotWrittenText;
}

// The take is coded ahead for the quality SaveDialog will open at, on the screen as it is.
PrecodeTarget PrecodeTargetNow() {
  const FrameSize canvas = SaveCanvasSize(QualityPercent);
  return {QualityPercent, canvas.width, canvas.height};
}

// 标签1's text: the take's state, then its length in seconds so far.
std::string SecondsStatus(const std::string& state) { return state + FrameSecondsText(FrameCount, kDefaultFrameRate) + "秒"; }

// 时钟1 runs, and a frame is captured at once rather than a tick later.
void RunClock() {
  WriteProperty(kClock, timer_property::kInterval, kTickMilliseconds);
  EventRecord firstTick{kId, 时钟1, 0, {}, {}};
  CaptureTick(firstTick);
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
  RemoveFolderTree(FrameFolder);
  if (!HasRoomFor(FrameFolder, ScreenSnapshotBytes(), kFreeSpaceMargin)) {
    SetTakeState(TakeState::Idle);
    TellAboutTake(NoRoomToRecordText());
    return;
  }
  CreateDirectoryW(Widen(FrameFolder).c_str(), nullptr);
  WriteProperty(kStatus, label_property::kTextColour, kRecordingTextColour);
  FrameCount = 0;
  writer.Begin(FrameFolder, 1, PrecodeTargetNow());
  SetTakeState(TakeState::Recording);
  RunClock();
}

// A tick that a question, SaveDialog or a save meets in its own message loop writes nothing: the
// take is theirs. A screen that cannot be read just now (a locked workstation, the secure
// desktop, a display mode change) gives no frame: nothing is written or counted, and the take
// goes on until the screen can be read again. Before a frame is handed over its volume must keep
// the margin for the frame as a bitmap, the most a lean frame can take; a frame the writer could
// not write whole is removed, and the writer takes no more. Either stops the take, so a full
// disk never gets empty or partial frames written on and on.
void CaptureTick(EventRecord&) {
  if (takeState != TakeState::Recording || !TakeCommandAllowed(TakeCommand::CaptureFrame)) return;
  const SnapshotFile& frame = snapshots.Take();
  if (frame.size() == 0) return;
  if (!HasRoomFor(FrameFolder, frame.size(), kFreeSpaceMargin)) return StopTakeOnFault(DiskFullStoppedText);
  if (!writer.Hand(FrameCount + 1, frame)) return StopTakeOnFault(FrameNotWrittenText);
  FrameCount = FrameCount + 1;
  WriteProperty(kStatus, label_property::kCaption, SecondsStatus("录制："));
}

// The take counts the frames the writer kept whole; one it could not write stops the take
// here too when 停止 comes first.
void StopRecording() {
  WriteProperty(kClock, timer_property::kInterval, 0);
  const bool writing = TakeRuns(takeState);
  const WriterOutcome outcome = writer.Finish();
  if (writing) FrameCount = outcome.framesWritten;
  SetTakeState(TakeState::Stopped);
  ReleaseTakeBuffers();
  WriteProperty(kStatus, label_property::kTextColour, kStoppedTextColour);
  WriteProperty(kStatus, label_property::kCaption, SecondsStatus("停止："));
  if (writing && outcome.fault != WriterFault::None) TellAboutTake(FaultReason(outcome.fault)(FrameCount));
}

void ReleaseTakeBuffers() { snapshots.Release(); }

void PauseTake() {
  WriteProperty(kClock, timer_property::kInterval, 0);
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
  writer.Finish();
  takeState = TakeState::Idle;
}

const PrecodedFrames* PrecodedTake() {
  if (TakeRuns(takeState)) return nullptr;
  return &writer.Precoded();
}

uint64_t TakeWriterWaits() { return writer.Waits(); }
