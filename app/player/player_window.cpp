// PlayerWindow: opening a recording into a fresh extraction folder, the information box, and
// the clean-up of unpacked frames when the window goes.
#include <windows.h>

#include "app/player/playback.h"
#include "app/player/player_handlers.h"
#include "app/player/player_state.h"
#include "app/player/recording_file.h"
#include "app/player/temporary_name.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "controls/kinds/zip_component.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr UnitAddress kFileDialog{kId, 通用对话框};
constexpr UnitAddress kTime{kId, 标签1};
constexpr int kTemporaryFolder = 11;
constexpr int kPlayerDisplayScale = 80;

// The program has no web site or e-mail address of its own: the information box points at the
// about page that ships beside it, as the recorder does on close.
constexpr const char* kAboutText =
    "    本程序是《Velmo屏幕录像器》的专用数据播放软件，\r\n"
    "能用来播放其所生成的vmrc格式文件。\r\n"
    "\r\n"
    "                         作者网站：程序文件夹中的 about.html\r\n"
    "                      Emaill：暂无";

void PlayerCreated(EventRecord&) { DisplayScale = kPlayerDisplayScale; }

// The window may have been closed (the tray menu's "退出") while the file dialog ran its own
// message loop; then there is nothing left to open into.
bool UserPickedRecording() { return OpenDialog(kFileDialog) && IsWindowLoaded(kId); }

void OpenRecording(EventRecord&) {
  if (!UserPickedRecording()) return;
  BusyCursorOn();
  RemoveOwnFolderTree(ExtractionFolder);
  PlayerFrameCount = 0;
  ExtractionFolder = TemporaryNameNotYetInUse(SpecialFolderPath(kTemporaryFolder));
  CreateDirectoryW(Widen(ExtractionFolder).c_str(), nullptr);
  ZipEventSink zipComponent({kId, ZIP压缩});
  Unpack(&zipComponent, ReadText(kFileDialog, common_dlg_property::kFileName), ExtractionFolder);
  PlayerFrameCount = CountFrameFiles(ExtractionFolder);
  // A newly opened recording plays from its first frame, whatever the last one reached.
  NextFrame = kFirstFrame;
  WriteProperty(kTime, label_property::kCaption, "时长:0/" + FrameSecondsText(PlayerFrameCount) + "秒");
  BusyCursorOff();
  StartPlayback();
}

void StartPlaybackCommand(EventRecord&) { StartPlayback(); }
void PausePlaybackCommand(EventRecord&) { PausePlayback(); }
void StopPlaybackCommand(EventRecord&) { StopPlayback(); }

void ShowAbout(EventRecord&) { ShowMessageBox(kAboutText, MB_OK | MB_ICONINFORMATION, "说明："); }

void PlayerAboutToBeDestroyed(EventRecord&) { ReleasePlayerState(); }

}  // namespace

void AddPlayerHandlers(HandlerTable& handlers) {
  handlers.Bind(HandlerId::PlayerCreated, PlayerCreated);
  handlers.Bind(HandlerId::OpenRecording, OpenRecording);
  handlers.Bind(HandlerId::StartPlayback, StartPlaybackCommand);
  handlers.Bind(HandlerId::PausePlayback, PausePlaybackCommand);
  handlers.Bind(HandlerId::StopPlayback, StopPlaybackCommand);
  handlers.Bind(HandlerId::PlaybackTick, PlaybackTick);
  handlers.Bind(HandlerId::ShowAbout, ShowAbout);
  handlers.Bind(HandlerId::PlayerAboutToBeDestroyed, PlayerAboutToBeDestroyed);
}

void ReleasePlayerState() {
  RemoveOwnFolderTree(ExtractionFolder);
  std::string().swap(ExtractionFolder);
}
