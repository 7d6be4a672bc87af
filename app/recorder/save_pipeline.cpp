// The save steps: ask for the target file, shrink and convert every frame of the take through
// the hidden canvas, pack the working folder into the target and tell the user how it went.
#include "app/recorder/save_pipeline.h"

#include <windows.h>

#include "app/player/recording_file.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/save_messages.h"
#include "app/recorder/video_save.h"
#include "components/imaging/imaging.h"
#include "components/services/file_bytes.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "controls/kinds/zip_component.h"
#include "controls/property_indexes.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"

namespace {

using namespace SaveDialog;

constexpr UnitAddress kFileDialog{kId, 通用对话框};
constexpr UnitAddress kHint{kId, 提示标签};
constexpr UnitAddress kProgress{kId, 进度条};
constexpr UnitAddress kCanvas{kId, 隐藏画板};
constexpr UnitAddress kRecorderSaveButton{RecorderWindow::kId, RecorderWindow::按钮3};
constexpr int kPercentMaximum = 100;

bool saveRunning = false;

void ShowConversionProgress() {
  const int position = ReadInt(kProgress, process_bar_property::kPosition);
  const int maximum = ReadInt(kProgress, process_bar_property::kMaximum);
  WriteProperty(kHint, label_property::kCaption, ConversionProgressText(position, maximum));
}

// What one frame's step hands to the next: the bytes read and the canvas's file, each of a
// frame's size. New memory of that size for every frame would cost more than the copies.
struct FrameBuffers {
  PropertyValue captured = ByteString{};  // handed to the canvas as it is, without a copy
  ByteString rescaled;
};

// Frame i goes through the canvas: the captured bitmap is drawn shrunk to the save size (white
// when it is missing or empty), written back over itself and converted to i.jpg.
bool ConvertFrame(int i, FrameBuffers& buffers) {
  const std::string bmp = CapturedFramePath(FrameFolder, i);
  const std::string jpg = ConvertedFramePath(FrameFolder, i);
  ReadWholeFileInto(bmp, std::get<ByteString>(buffers.captured));
  WriteProperty(kCanvas, draw_panel_property::kBackPicture, buffers.captured);
  TakePanelPicture(kCanvas, buffers.rescaled);
  WriteWholeFile(bmp, buffers.rescaled);
  if (ConvertToJpeg(bmp, jpg, false, QualityPercent, true, 0) != kJpegWritten) return false;
  DeleteFileW(Widen(bmp).c_str());
  return true;
}

// The bound is fixed here: frames a running take adds meanwhile are not converted.
bool ConvertFrames() {
  const int frameTotal = FrameCount;
  FrameBuffers buffers;
  for (int i = 1; i <= frameTotal; ++i) {
    if (!ConvertFrame(i, buffers)) return false;
    WriteProperty(kProgress, process_bar_property::kPosition, i);
    ShowConversionProgress();
    ProcessPendingEvents();
  }
  return true;
}

bool PackFrames(const std::string& target) {
  WriteProperty(kProgress, process_bar_property::kMaximum, kPercentMaximum);
  ZipEventSink zipComponent({kId, ZIP压缩});
  if (Pack(&zipComponent, FrameFolder, target) != kZipDone) return false;
  RemoveFolderTree(FrameFolder);
  return true;
}

// Saving the same take again needs a new stop, whatever the outcome; after a failure the target
// goes too, so no broken recording is left behind.
void ReportOutcome(bool saved, const std::string& target) {
  if (saved) {
    ShowMessageBox(SaveSucceededText(target), MB_OK | MB_ICONINFORMATION);
  } else {
    ShowMessageBox(SaveFailedText(target), MB_OK | MB_ICONEXCLAMATION);
  }
  SetEnabled(kRecorderSaveButton, false);
  if (!saved) DeleteFileW(Widen(target).c_str());
}

// 组合框 chooses between the recording file and a video; the file dialog asks accordingly.
void RunSaveSteps() {
  const SaveFormat& format = ChosenSaveFormat();
  OfferSaveFormat(format);
  if (!OpenDialog(kFileDialog)) return;
  const std::string target = ReadText(kFileDialog, common_dlg_property::kFileName);
  BusyCursorOn();
  WriteProperty(kHint, label_property::kCaption, "正在处理数据");
  WriteProperty(kProgress, process_bar_property::kMaximum, FrameCount);
  const bool saved = format.video ? SaveTakeAsVideo(target, *format.video) : ConvertFrames() && PackFrames(target);
  ReportOutcome(saved, target);
  WriteProperty(kProgress, process_bar_property::kPosition, 0);
  BusyCursorOff();
}

}  // namespace

// The quality is fixed for the whole save: the slider is switched off with 组合框 and 取消按钮,
// so every frame of a recording has the same size.
void SaveRecording(EventRecord&) {
  if (saveRunning) return;
  saveRunning = true;
  SetEnabled({kId, 组合框}, false);
  SetEnabled({kId, 取消按钮}, false);
  SetEnabled({kId, 滑块条}, false);
  RunSaveSteps();
  saveRunning = false;
  DestroyWindow(kId);
}

bool SaveIsRunning() { return saveRunning; }
