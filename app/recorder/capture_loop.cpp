// A take: numbered snapshots of the primary screen written into FrameFolder, one per tick of
// 时钟1, with the elapsed seconds in 标签1.
#include <windows.h>

#include "app/player/recording_file.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/screen_snapshot.h"
#include "components/services/file_bytes.h"
#include "components/services/wide_text.h"
#include "components/services/win_handle.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"

namespace {

using namespace RecorderWindow;

constexpr UnitAddress kStatus{kId, 标签1};
constexpr UnitAddress kClock{kId, 时钟1};
constexpr int kTickMilliseconds = 100;

// Kept from tick to tick while a take runs.
ScreenSnapshots snapshots;

// A file-system search, so a folder named 1.bmp counts too.
bool UnsavedTakeExists() {
  WIN32_FIND_DATAW found;
  return static_cast<bool>(FindHandle(FindFirstFileW(Widen(FirstCapturedFramePath(FrameFolder)).c_str(), &found)));
}

bool UserWantsToSaveFirst() {
  return ShowMessageBox("上次录制数据还未保存,现在是否要保存？", MB_YESNO | MB_ICONQUESTION, "提示信息") == IDYES;
}

}  // namespace

void StartTake() {
  if (UnsavedTakeExists() && UserWantsToSaveFirst()) LoadWindow(SaveDialog::kId, 0, true);
  CreateDirectoryW(Widen(FrameFolder).c_str(), nullptr);
  WriteProperty(kStatus, label_property::kTextColour, kRecordingTextColour);
  FrameCount = 0;
  WriteProperty(kClock, timer_property::kInterval, kTickMilliseconds);
  EventRecord firstTick{kId, 时钟1, 0, {}, {}};
  CaptureTick(firstTick);
}

// A frame that cannot be written is skipped; FrameCount still counts it.
void CaptureTick(EventRecord&) {
  FrameCount = FrameCount + 1;
  const std::string frameFile = CapturedFramePath(FrameFolder, FrameCount);
  WriteWholeFile(frameFile, snapshots.Take());
  WriteProperty(kStatus, label_property::kCaption, "录制：" + FrameSecondsText(FrameCount) + "秒");
}

void StopTake() {
  WriteProperty(kClock, timer_property::kInterval, 0);
  ReleaseTakeBuffers();
  WriteProperty(kStatus, label_property::kTextColour, kStoppedTextColour);
  WriteProperty(kStatus, label_property::kCaption, "停止：" + FrameSecondsText(FrameCount) + "秒");
}

void ReleaseTakeBuffers() { snapshots.Release(); }
