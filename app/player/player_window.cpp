// PlayerWindow: opening a recording into a fresh extraction folder, the information box, muting,
// and the clean-up of unpacked frames when the window goes.
#include <windows.h>

#include <string>
#include <vector>

#include "app/player/player_owner.h"
#include "app/player/playback.h"
#include "app/player/playback_sound.h"
#include "app/player/player_handlers.h"
#include "app/player/player_state.h"
#include "app/player/range_commands.h"
#include "app/player/range_save.h"
#include "app/player/seek_commands.h"
#include "app/player/temporary_name.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "components/services/same_file.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "controls/dropped_files.h"
#include "controls/property_indexes.h"
#include "forms/handler_id.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr int kPlayerDisplayScale = 80;
constexpr UINT kUnpackWatchMilliseconds = 100;
// The window position that restores a minimised window.
constexpr int kShownNormally = 0;

// The program has no web site or e-mail address of its own: the information box points at the
// about page that ships beside it, as the recorder does on close.
constexpr const char* kAboutText =
    "    本程序是《Velmo屏幕录像器》的专用数据播放软件，\r\n"
    "能用来播放其所生成的vmrc格式文件。\r\n"
    "\r\n"
    "                         作者网站：程序文件夹中的 about.html\r\n"
    "                      Emaill：暂无";

// Several files dropped at once: the first is opened.
void OpenDroppedRecording(const std::vector<std::string>& paths) { PlayRecordingAt(paths.front()); }

// A recording dropped on the window from Explorer is opened as 打开 opens one.
void PlayerCreated(EventRecord&) {
  DisplayScale = kPlayerDisplayScale;
  AcceptDroppedFiles(kId, OpenDroppedRecording);
}

// The open dialog holds the player while it waits in its own message loop: an 打开 that arrives
// meanwhile (a window loaded again after "退出", a queued click, a dropped file) asks nothing.
// The window may have been closed (the tray menu's "退出") while the dialog ran; then there is
// nothing left to open into.
bool UserPickedRecording() {
  if (PlayerHeldBy() != PlayerHolder::Nobody) return false;
  const PlayerHold hold(PlayerHolder::Picking);
  return OpenDialog(kFileDialog) && IsWindowLoaded(kId);
}

// Checks on the unpack between ticks, so that its end shows while playback is paused or stopped
// too. A thread timer: its calls come from whichever message loop runs, a dialog's included.
UINT_PTR unpackWatch = 0;

void StopWatchingUnpack() {
  if (unpackWatch != 0) KillTimer(nullptr, unpackWatch);
  unpackWatch = 0;
}

void CALLBACK WatchUnpack(HWND, UINT, UINT_PTR, DWORD) {
  FollowUnpack();
  ShowAwaitedFrameOnceLanded();
  if (PlayerUnpack.Over()) StopWatchingUnpack();
}

// The unpack of the open before stops, the sound lets go of its file, and the folder goes in the
// background.
void GiveUpExtractionFolder() {
  StopWatchingUnpack();
  PlayerUnpack.Stop();
  CloseRecordingSound();
  GivenUpFolders.Remove(ExtractionFolder);
}

// The recording is unpacked on a thread of its own, its rate and sound entries and then its
// frames first; the open waits only for those and the first frame, and the count comes from the
// archive's directory until the unpack has ended.
void OpenRecordingPath(const std::string& path) {
  BusyCursorOn();
  GiveUpExtractionFolder();
  PlayerFrameCount = 0;
  OpenedRecording = AbsolutePath(path);
  ExtractionFolder = TemporaryNameNotYetInUse(SpecialFolderPath(kTemporaryFolder));
  CreateDirectoryW(Widen(ExtractionFolder).c_str(), nullptr);
  PlayerUnpack.Start(path, ExtractionFolder);
  PlayerUnpack.WaitForFirstFrame();
  PlayerFrameCount = PlayerUnpack.ListedFrames();
  PlayerFrameRate = RecordingFrameRate(ExtractionFolder);
  OpenRecordingSound();
  // The marks set in the recording before are gone with it.
  StartAtFirstFrame();
  ClearRangeMarks();
  BusyCursorOff();
  StartPlayback();
  unpackWatch = SetTimer(nullptr, 0, kUnpackWatchMilliseconds, WatchUnpack);
}

void OpenRecording(EventRecord&) {
  if (UserPickedRecording()) OpenRecordingPath(ReadText(kFileDialog, common_dlg_property::kFileName));
}

void StartPlaybackCommand(EventRecord&) { StartPlayback(); }
void PausePlaybackCommand(EventRecord&) { PausePlayback(); }
void StopPlaybackCommand(EventRecord&) { StopPlayback(); }

void ShowAbout(EventRecord&) { ShowMessageBox(kAboutText, MB_OK | MB_ICONINFORMATION, "说明："); }

// The frames go with the window, in the background, and what the user chose in it.
void ForgetExtractionFolder() {
  GiveUpExtractionFolder();
  std::string().swap(ExtractionFolder);
  std::string().swap(OpenedRecording);
  PlayerMarks = {};
  ForgetMute();
}

void PlayerAboutToBeDestroyed(EventRecord&) { ForgetExtractionFolder(); }

}  // namespace

void AddPlayerHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::PlayerCreated, PlayerCreated);
  handlers.Bind(HandlerId::OpenRecording, OpenRecording);
  handlers.Bind(HandlerId::StartPlayback, StartPlaybackCommand);
  handlers.Bind(HandlerId::PausePlayback, PausePlaybackCommand);
  handlers.Bind(HandlerId::StopPlayback, StopPlaybackCommand);
  handlers.Bind(HandlerId::PlaybackTick, PlaybackTick);
  handlers.Bind(HandlerId::ShowAbout, ShowAbout);
  handlers.Bind(HandlerId::ToggleMute, ToggleMute);
  handlers.Bind(HandlerId::PlayerAboutToBeDestroyed, PlayerAboutToBeDestroyed);
  AddSeekHandlers(handlers);
  AddRangeHandlers(handlers);
}

void PlayRecordingAt(const std::string& path) {
  if (PlayerHeldBy() != PlayerHolder::Nobody) return;
  if (!IsWindowLoaded(kId) && !LoadWindow(kId, 0, false)) return;
  BringPlayerForward();
  OpenRecordingPath(path);
}

void BringPlayerForward() {
  WriteProperty({kId, kId}, common_property::kVisible, 1);
  WriteProperty({kId, kId}, window_property::kPosition, kShownNormally);
}

void ReleasePlayerState() {
  ForgetExtractionFolder();
  GivenUpFolders.WaitUntilSwept();
}

void AwaitRecordingUnpacked() {
  PlayerUnpack.WaitForEnd();
  FollowUnpack();
  GivenUpFolders.WaitUntilSwept();
}
