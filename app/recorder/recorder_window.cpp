// RecorderWindow: start-up, the tray icon and its menu, and the record, stop, save and play
// commands.
#include "app/recorder/recorder_handlers.h"

#include <windows.h>

#include "app/recorder/countdown_window.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/save_pipeline.h"
#include "app/recorder/take_messages.h"
#include "app/recorder/take_owner.h"
#include "app/recorder/take_questions.h"
#include "app/recorder/take_state.h"
#include "app/recorder/unsaved_take.h"
#include "components/services/number_text.h"
#include "components/services/services.h"
#include "components/theme/theme.h"
#include "controls/property_indexes.h"
#include "controls/property_value.h"
#include "controls/window_events.h"
#include "forms/handler_id.h"
#include "forms/player_window.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "forms/save_formats.h"
#include "forms/settings_window.h"

namespace {

using namespace RecorderWindow;

constexpr UnitAddress kWindow{kId, kId};
constexpr int kSilverScheme = 3;
constexpr int kShownNormally = 0;
constexpr int kMinimised = 2;
constexpr char kTrayTip[] = "Velmo屏幕录像器";
constexpr char kPausedTrayTip[] = "Velmo屏幕录像器 - 已暂停";

void SetMenuItemVisible(UnitId item, bool visible) {
  WriteProperty({kId, item}, menu_item_property::kVisible, visible ? 1 : 0);
}

// A take the last run left behind (a crash, a power cut, a kill, a save that failed) is the
// user's to keep or give up; a frame the end cut short is left out of it. Only 否 gives it up:
// a question closed without an answer keeps it for the user to decide later. The question tells
// its length at its own rate. True when kept.
bool KeepUnsavedTake() {
  const TakeFound take = FindUnsavedTake(FrameFolder);
  ReleaseTakeBuffers();  // its rate is the folder's own
  if (take.frameCount > 0 && AskAboutTake(UnsavedTakeFoundText(take.frameCount, TakeFrameRate())) != TakeAnswer::No) {
    RemoveCutShortFrames(FrameFolder, take);
    FrameCount = take.frameCount;
    return true;
  }
  RemoveFolderTree(FrameFolder);
  return false;
}

// The tray icon is set after the question about a take left behind: while the window is still
// being built, its tray menu must not offer "退出". The hotkeys come with the tray icon, whose
// notices name any that another program holds. A kept take shows as after 停止.
void RecorderCreated(EventRecord&) {
  WatchTakeHolds(ShowTakeButtons);
  SetControlTheme(kSilverScheme);
  WriteProperty(kWindow, common_property::kTop, 0);
  const double left = static_cast<double>(PrimaryScreenSize().width) - ReadInt(kWindow, common_property::kWidth);
  WriteProperty(kWindow, common_property::kLeft, static_cast<int32_t>(left));
  QualityPercent = CurrentSettings().saveQuality;
  FrameFolder = SpecialFolderPath(kTemporaryFolder) + "greentemp";
  const bool kept = KeepUnsavedTake();
  SetTrayIcon(kId, ReadBytes(kWindow, window_property::kIcon), kTrayTip);
  ApplyRecorderSettings();
  if (kept) {
    StopRecording();
    return;
  }
  WriteProperty(kStatus, label_property::kTextColour, kStoppedTextColour);
  WriteProperty(kStatus, label_property::kCaption, "停止：" + IntegerText(FrameCount) + "秒");
}

void ShowRecorderNormally() {
  WriteProperty(kWindow, common_property::kVisible, 1);
  WriteProperty(kWindow, window_property::kPosition, kShownNormally);
}

void ShowRecorder(EventRecord&) { ShowRecorderNormally(); }

// Hidden first, so the minimised position is only stored, not shown.
void HideRecorder(EventRecord&) {
  WriteProperty(kWindow, common_property::kVisible, 0);
  WriteProperty(kWindow, window_property::kPosition, kMinimised);
}

// 录制, 停止 and 暂停 show greyed while a question, SaveDialog or a save holds the take, and 暂停
// while no take runs; a paused take offers 继续 in its place.
void OfferTakeCommands() {
  WriteProperty({kId, 菜单_录制}, menu_item_property::kDisabled, TakeCommandAllowed(TakeCommand::Record) ? 0 : 1);
  WriteProperty({kId, 菜单_录制范围}, menu_item_property::kDisabled, TakeCommandAllowed(TakeCommand::Record) ? 0 : 1);
  WriteProperty({kId, 菜单_停止}, menu_item_property::kDisabled, TakeCommandAllowed(TakeCommand::Stop) ? 0 : 1);
  const bool pausable = TakeIsRunning() && TakeCommandAllowed(TakeCommand::PauseOrResume);
  WriteProperty({kId, 菜单_暂停}, menu_item_property::kDisabled, pausable ? 0 : 1);
  WriteProperty({kId, 菜单_暂停}, menu_item_property::kCaption, TakeIsPaused() ? "继续" : "暂停");
}

void RecorderTrayEvent(EventRecord& event) {
  const int kind = std::get<int32_t>(event.arguments.at(0));
  if (kind == kTrayLeftUp) {
    BringRecorderForward();
  } else if (kind == kTrayRightUp) {
    OfferTakeCommands();
    OfferCaptureChoices();
    PopUpMenu({kId, 菜单});
  }
}

// The hotkeys and the take's pause end with the window. The about page ships beside the
// program: it says where a take's frames are kept and how to play a recording, and it is nobody
// else's address.
void RecorderAboutToBeDestroyed(EventRecord&) {
  ReleaseRecorderHotkeys();
  LeaveTakeToTheNextStart();
  OpenWebPage(ProgramFilePath("about.html"));
}

// The commands of the take do nothing while something else holds it, should they arrive anyway.
void RecordCommand(EventRecord&) {
  if (TakeCommandAllowed(TakeCommand::Record)) StartTake();
}

// 停止 during the countdown before a take starts nothing.
void StopCommand(EventRecord&) {
  if (TakeHeldBy() == TakeHolder::Countdown) return CancelCountdown();
  if (TakeCommandAllowed(TakeCommand::Stop)) StopRecording();
}

// 暂停 while the take records, 继续 while it is paused; nothing while no take runs.
void PauseCommand(EventRecord&) {
  if (!TakeCommandAllowed(TakeCommand::PauseOrResume)) return;
  if (TakeIsPaused()) {
    ResumeTake();
  } else if (TakeIsRunning()) {
    PauseTake();
  }
}

// A stray Esc must not end a take: while one records or is paused, Esc in RecorderWindow is
// taken and does nothing (停止 and the tray's 退出 still end the take). With no take running it
// closes the window, as the close box does.
void RecorderKeyDown(EventRecord& event) {
  const bool taken = AsInt(event.arguments.at(0)) == VK_ESCAPE && TakeIsRunning();
  event.result = int32_t{taken ? 1 : 0};
}

void SaveCommand(EventRecord&) {
  if (TakeCommandAllowed(TakeCommand::OpenSaveDialog)) RunSaveDialog();
}

void PlayCommand(EventRecord&) { LoadWindow(PlayerWindow::kId, 0, false); }

// "退出" closes the player, the settings window, an idle SaveDialog and the recorder as their
// close boxes would. A SaveDialog whose save runs stays until the save has ended, and the
// program ends then. The frames of an unsaved take stay in the working folder for the next
// start to offer.
void ExitCommand(EventRecord&) {
  for (WindowId window : {PlayerWindow::kId, SettingsWindow::kId, SaveDialog::kId, kId}) {
    if (window == SaveDialog::kId && SaveIsRunning()) continue;
    if (IsWindowLoaded(window)) DestroyWindow(window);
  }
}

}  // namespace

void BringRecorderForward() {
  ShowRecorderNormally();
  SetMenuItemVisible(菜单_隐藏, true);
  SetMenuItemVisible(菜单_显示, false);
}

void ShowTakePausedInTray(bool paused) {
  if (!IsWindowLoaded(kId)) return;
  SetTrayIcon(kId, ReadBytes(kWindow, window_property::kIcon), paused ? kPausedTrayTip : kTrayTip);
}

// A hotkey acts as the tray menu's item would, obeying the same holds on the take.
void RunHotkeyJob(HotkeyJob job) {
  if (!IsWindowLoaded(kId)) return;
  if (job == HotkeyJob::PauseOrResume) {
    EventRecord pause{kId, 菜单_暂停, 0, {}, {}};
    PauseCommand(pause);
  } else if (TakeIsRunning() || TakeHeldBy() == TakeHolder::Countdown) {
    EventRecord stop{kId, 菜单_停止, 0, {}, {}};
    StopCommand(stop);
  } else {
    EventRecord record{kId, 菜单_录制, 0, {}, {}};
    RecordCommand(record);
  }
}

void ShowTakeButtons() {
  if (!IsWindowLoaded(kId)) return;
  const TakeButtons buttons = TakeButtonsFor(CurrentTakeState(), TakeHeldBy());
  SetEnabled({kId, 按钮1}, buttons.record);
  SetEnabled({kId, 按钮5}, buttons.record);
  SetEnabled({kId, 按钮2}, buttons.stop);
  SetEnabled({kId, 按钮3}, buttons.save);
}

void TakeSaveTried() {
  if (CurrentTakeState() == TakeState::Stopped) SetTakeState(TakeState::Idle);
}

void AddRecorderHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::RecorderCreated, RecorderCreated);
  handlers.Bind(HandlerId::RecorderTrayEvent, RecorderTrayEvent);
  handlers.Bind(HandlerId::RecorderAboutToBeDestroyed, RecorderAboutToBeDestroyed);
  handlers.Bind(HandlerId::RecordCommand, RecordCommand);
  handlers.Bind(HandlerId::StopCommand, StopCommand);
  handlers.Bind(HandlerId::SaveCommand, SaveCommand);
  handlers.Bind(HandlerId::PlayCommand, PlayCommand);
  handlers.Bind(HandlerId::ShowRecorder, ShowRecorder);
  handlers.Bind(HandlerId::HideRecorder, HideRecorder);
  handlers.Bind(HandlerId::CaptureTick, CaptureTick);
  handlers.Bind(HandlerId::ExitCommand, ExitCommand);
  handlers.Bind(HandlerId::PauseCommand, PauseCommand);
  handlers.Bind(HandlerId::RecorderKeyDown, RecorderKeyDown);
  AddSaveDialogHandlers(handlers);
  AddCaptureChoiceHandlers(handlers);
}

void ReleaseRecorderState() {
  ReleaseRecorderHotkeys();
  std::string().swap(FrameFolder);
  ReleaseTakeBuffers();
}
