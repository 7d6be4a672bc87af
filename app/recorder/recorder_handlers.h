// The handlers of RecorderWindow and its capture loop.
#pragma once
#include "app/recorder/take_state.h"
#include "app/settings/settings.h"
#include "components/services/services.h"
#include "controls/runtime.h"

// 标签1 reads red while stopped and blue while recording (COLORREF 0x00BBGGRR).
constexpr int32_t kStoppedTextColour = 0x0000FF;
constexpr int32_t kRecordingTextColour = 0xFF0000;
// 标签1 reads dark amber (RGB 160,80,0) while the take is paused: apart from red and blue, and
// still readable on the silver face.
constexpr int32_t kPausedTextColour = 0x0050A0;

// Puts the recorder's routines into the program's handler table.
void AddRecorderHandlers(HandlerTable& handlers);
// SaveDialog's routines, and those that choose what a take records; AddRecorderHandlers puts
// them in too.
void AddSaveDialogHandlers(HandlerTable& handlers);
void AddCaptureChoiceHandlers(HandlerTable& handlers);
// The items of 录制范围 as they apply now: the choice checked, one item for each monitor when
// there are several. Runs before the menu pops up.
void OfferCaptureChoices();

// Start a take and capture one frame: the record command and 时钟1 call these.
void StartTake();
void CaptureTick(EventRecord& event);
// Pause and resume a take. A paused take writes no frames and its clock stands still; resumed,
// it goes on with the next frame number, so the recording has a cut where the pause was.
void PauseTake();
void ResumeTake();
// The take's state, which the button row of RecorderWindow and the tray tip follow.
TakeState CurrentTakeState();
void SetTakeState(TakeState state);
// Whether a take runs: it records, or it is paused.
bool TakeIsRunning();
bool TakeIsPaused();
// The tray tip tells a paused take from one that records or none: "Velmo屏幕录像器 - 已暂停"
// while paused, "Velmo屏幕录像器" otherwise.
void ShowTakePausedInTray(bool paused);
// RecorderWindow's end: the take's frames stay for the next start to offer, and its pause ends
// with the window.
void LeaveTakeToTheNextStart();
// The stop command: the take ends (Stopped, so 保存 is offered). A take stopped by a fault and a
// take kept from an earlier run end in this state too.
void StopRecording();
// Writes the button row of 录制, 停止 and 保存 for the take's state and its holder now; runs
// whenever either changes.
void ShowTakeButtons();
// The end of every save attempt, whatever its outcome: saving the same take again needs a new
// stop, so 保存 is offered no more.
void TakeSaveTried();
// The tray's left click: RecorderWindow shown as it was before it was hidden or minimised and
// in front, and the tray menu offering "隐藏" but not "显示". A later start of the program asks
// for the same.
void BringRecorderForward();
// Loads SaveDialog modally and returns when it has closed; the dialog holds the take meanwhile.
// 按钮3 and 是 to the start-of-take question open it this way.
void RunSaveDialog();
// What the last take coded ahead for a save (frame_precoder.h), once it has stopped; null while
// a take runs.
struct PrecodedFrames;
const PrecodedFrames* PrecodedTake();
// The times the last take's capture tick waited for its writer to catch up.
uint64_t TakeWriterWaits();
// The size of SaveDialog's hidden canvas for a quality: the take's frames shrunk.
struct FrameSize;
FrameSize SaveCanvasSize(int qualityPercent);
// The size of the take's frames: frame 1's where the working folder holds it, else that of what
// the take records (the primary screen as it is now, for the full screen).
ScreenSize TakeFrameSize();
// The frame rate of the take in the working folder (the one recording, or the last): the rate
// it was started at, kept beside its frames, so a take left by an earlier run has it too.
int TakeFrameRate();
// What a take started now would record (capture_area.h): empty for the full screen.
ScreenArea NextTakeArea();
// Lets go of what a take keeps from tick to tick (the screen's bitmap and the frame buffer);
// stopping a take and the program's end run it.
void ReleaseTakeBuffers();

// Puts CurrentSettings() to work at once: registers the hotkeys (dropping the ones before) and
// keeps the program's windows out of the frames or not. Runs at start-up, once the tray icon
// is there, and whenever the settings window closes (with new settings after its 确定).
void ApplyRecorderSettings();
// Whether the last ApplyRecorderSettings could not register the hotkey for `job` because
// another program holds the combination. False for a job with no hotkey.
bool HotkeyHeldElsewhere(HotkeyJob job);
// What a press of `job`'s hotkey does: the tray menu's 停止 while a take runs (recording or
// paused) and 录制 otherwise; 暂停 or 继续. Nothing once RecorderWindow is gone.
void RunHotkeyJob(HotkeyJob job);
// While the settings window is open its hotkey boxes must see every key, the program's own
// hotkeys included: Suspend lets go of them (what HotkeyHeldElsewhere says is kept), Resume
// registers CurrentSettings()' keys again while RecorderWindow is there.
void SuspendRecorderHotkeys();
void ResumeRecorderHotkeys();
// Lets go of the hotkeys; RecorderWindow's end and the program's end run it.
void ReleaseRecorderHotkeys();

// Releases the recorder's program-wide texts and take buffers; the program's end runs it.
void ReleaseRecorderState();
