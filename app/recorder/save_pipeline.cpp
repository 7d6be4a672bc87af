// The save steps: ask for the target file, shrink and convert every frame of the take through
// the hidden canvas, pack the working folder into the target and tell the user how it went.
#include "app/recorder/save_pipeline.h"

#include <windows.h>

#include "app/recorder/disk_space.h"
#include "app/recorder/frame_encoder.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/save_messages.h"
#include "app/recorder/take_owner.h"
#include "app/recorder/unsaved_take.h"
#include "app/recorder/video_save.h"
#include "app/recording/recording_file.h"
#include "components/imaging/imaging.h"
#include "components/services/file_bytes.h"
#include "components/services/lasting_files.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/zip.h"
#include "controls/kinds/zip_component.h"
#include "controls/property_indexes.h"
#include "forms/save_dialog.h"

namespace {

using namespace SaveDialog;

constexpr int kPercentMaximum = 100;

void ShowConversionProgress() {
  const int position = ReadInt(kProgress, process_bar_property::kPosition);
  const int maximum = ReadInt(kProgress, process_bar_property::kMaximum);
  WriteProperty(kHint, label_property::kCaption, ConversionProgressText(position, maximum));
}

// A frame bitmap the save writes in place of another copy of the frame: flushed, so the disk
// never holds neither. A failure leaves the take as it would any failed write.
void KeepOnDisk(const std::string& bmp, const ByteString& bitmap) {
  if (WriteWholeFile(bmp, bitmap)) FlushFileToDisk(bmp);
}

// What one frame's step hands to the next: the bytes read and the canvas's file, each of a
// frame's size. New memory of that size for every frame would cost more than the copies.
struct FrameBuffers {
  PropertyValue captured = ByteString{};  // handed to the canvas as it is, without a copy
  ByteString rescaled;
};

// Frame i goes through the canvas: the captured bitmap is drawn shrunk to the save size, into
// buffers.rescaled, to be converted to i.jpg from memory. A frame that an earlier, failed save
// already turned into i.jpg is taken from that JPEG and drawn through the canvas again, so every
// frame of the recording has this save's size and quality; it is kept as a bitmap before that
// JPEG is replaced, and on the disk before that, so neither a failure nor a power cut loses it.
// Only a frame with neither file (or an empty bitmap) is white. True when the frame came from its
// JPEG.
bool ShrinkFrame(int i, FrameBuffers& buffers) {
  const bool fromJpeg =
      ReadTakeFrame(FrameFolder, i, std::get<ByteString>(buffers.captured)) == TakeFrameSource::Jpeg;
  WriteProperty(kCanvas, draw_panel_property::kBackPicture, buffers.captured);
  TakePanelPicture(kCanvas, buffers.rescaled);
  if (fromJpeg) KeepOnDisk(CapturedFramePath(FrameFolder, i), buffers.rescaled);
  return fromJpeg;
}

// The frame the encoder codes meanwhile.
struct FrameInFlight {
  int number = 0;
  bool fromJpeg = false;
};

// The outcome of the frame in flight, taken in frame order. A converted frame's bitmap goes,
// its JPEG being on the disk by then; one that failed replaces its captured bitmap with its
// shrunk one, as the save leaves it, and the save stops. The shrunk bitmap is written only
// then, not for every frame.
bool FrameConverted(FrameEncoder& encoder, const FrameInFlight& frame) {
  const std::string bmp = CapturedFramePath(FrameFolder, frame.number);
  if (encoder.Finish() != kJpegWritten) {
    if (!frame.fromJpeg) KeepOnDisk(bmp, encoder.LastBitmap());
    return false;
  }
  DeleteOneFile(bmp);
  return true;
}

void ShowFrameDone(int i) {
  WriteProperty(kProgress, process_bar_property::kPosition, i);
  ShowConversionProgress();
  ProcessPendingEvents();
}

// Frame i is read and shrunk while frame i - 1 is coded on the encoder's thread; then frame
// i - 1's outcome is taken before frame i is handed over. So the progress counts the frames in
// order, and a failure at frame k leaves k shrunk and every later frame as it was captured
// (frame k + 1 was shrunk in memory only). The bound is fixed here: frames a running take adds
// meanwhile are not converted.
bool ConvertFrames() {
  const int frameTotal = FrameCount;
  FrameBuffers buffers;
  FrameEncoder encoder(QualityPercent);
  FrameInFlight inFlight;
  for (int i = 1; i <= frameTotal; ++i) {
    const bool fromJpeg = ShrinkFrame(i, buffers);
    if (inFlight.number && !FrameConverted(encoder, inFlight)) return false;
    encoder.Start(buffers.rescaled, ConvertedFramePath(FrameFolder, i));
    if (inFlight.number) ShowFrameDone(inFlight.number);
    inFlight = {i, fromJpeg};
  }
  if (!inFlight.number) return true;
  if (!FrameConverted(encoder, inFlight)) return false;
  ShowFrameDone(inFlight.number);
  return true;
}

// A low guess at the recording's size before converting: a frame of windows and text takes
// about one bit a pixel at quality 80, and half that is assumed, so the guess never refuses a
// save that would fit. The check before packing knows the exact size.
uint64_t LeastRecordingBytes(int frames) {
  const uint64_t pixels = static_cast<uint64_t>(ReadInt(kCanvas, common_property::kWidth)) *
                          static_cast<uint64_t>(ReadInt(kCanvas, common_property::kHeight));
  return static_cast<uint64_t>(frames > 0 ? frames : 0) * (pixels / 16);
}

// Each entry's headers and directory record beside its data.
constexpr uint64_t kEntryOverheadBytes = 160;

uint64_t PackedFolderBytes() {
  const FolderBytes folder = FilesInFolder(FrameFolder);
  return folder.bytes + folder.files * kEntryOverheadBytes;
}

// The target's volume must hold the recording: said before anything is written, and nothing
// of the take or the target changes; 保存 stays enabled to try again once there is room.
bool TargetHasRoom(const std::string& target, uint64_t recordingBytes) {
  const std::string folder = ContainingFolder(target);
  if (HasRoomFor(folder, recordingBytes, 0)) return true;
  ShowMessageBox(TargetTooSmallText(target, recordingBytes, FreeBytesAt(folder).value_or(0)), MB_OK | MB_ICONEXCLAMATION);
  return false;
}

// The frames go only once the recording is on the disk: a recording that cannot be flushed
// fails the save, which keeps them.
bool PackFrames(const std::string& target) {
  WriteProperty(kProgress, process_bar_property::kMaximum, kPercentMaximum);
  ZipEventSink zipComponent({kId, ZIP压缩});
  if (Pack(&zipComponent, FrameFolder, target) != kZipDone || !FlushFileToDisk(target)) return false;
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
  TakeSaveTried();
  if (!saved) DeleteFileW(Widen(target).c_str());
}

enum class SaveOutcome { Saved, Failed, NoRoom };

// Converted, the frames' exact size is known: the target's volume is asked again before
// packing, so a recording never fails for want of room only at its end.
SaveOutcome ConvertAndPack(const std::string& target) {
  if (!ConvertFrames()) return SaveOutcome::Failed;
  if (!TargetHasRoom(target, PackedFolderBytes())) return SaveOutcome::NoRoom;
  return PackFrames(target) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

SaveOutcome SaveAsVideo(const std::string& target, VideoFormat video) {
  return SaveTakeAsVideo(target, video) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

// 组合框 chooses between the recording file and a video; the file dialog asks accordingly. The
// dialog is checked again after the file dialog's own message loop, which "退出" may have ended
// the program's windows in. Only a recording file's room is asked ahead: a video is a small
// fraction of its size, and one that finds the disk full fails without leaving a file.
void RunSaveSteps() {
  const SaveFormat& format = ChosenSaveFormat();
  OfferSaveFormat(format);
  if (!OpenDialog(kFileDialog) || !IsWindowLoaded(kId)) return;
  const std::string target = ReadText(kFileDialog, common_dlg_property::kFileName);
  if (!format.video && !TargetHasRoom(target, LeastRecordingBytes(FrameCount))) return;
  BusyCursorOn();
  WriteProperty(kHint, label_property::kCaption, "正在处理数据");
  WriteProperty(kProgress, process_bar_property::kMaximum, FrameCount);
  const SaveOutcome outcome = format.video ? SaveAsVideo(target, *format.video) : ConvertAndPack(target);
  if (outcome != SaveOutcome::NoRoom) ReportOutcome(outcome == SaveOutcome::Saved, target);
  WriteProperty(kProgress, process_bar_property::kPosition, 0);
  BusyCursorOff();
}

}  // namespace

// The quality is fixed for the whole save: the slider is switched off with 组合框 and 取消按钮,
// so every frame of a recording has the same size. The save holds the take from the click to
// its closing message.
void SaveRecording(EventRecord&) {
  if (!TakeCommandAllowed(TakeCommand::Save)) return;
  {
    const TakeHold hold(TakeHolder::Save);
    SetEnabled({kId, 组合框}, false);
    SetEnabled({kId, 取消按钮}, false);
    SetEnabled({kId, 滑块条}, false);
    RunSaveSteps();
  }
  if (IsWindowLoaded(kId)) DestroyWindow(kId);
}

bool SaveIsRunning() { return TakeHeldBy() == TakeHolder::Save; }
