// The save steps: ask for the target file; pack the entries the take coded ahead when they are at
// this save's quality, else shrink and convert every frame of the take through the hidden canvas
// and pack those; then tell the user how it went.
#include "app/recorder/save_pipeline.h"

#include <windows.h>

#include "app/recorder/disk_space.h"
#include "app/recorder/frame_encoder.h"
#include "app/recorder/frame_precoder.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/save_messages.h"
#include "app/recorder/take_owner.h"
#include "app/recorder/take_sound_files.h"
#include "app/recorder/unsaved_take.h"
#include "app/recorder/video_save.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "app/recording/sound_entry.h"
#include "app/settings/settings_file.h"
#include "components/imaging/imaging.h"
#include "components/services/file_bytes.h"
#include "components/services/lasting_files.h"
#include "components/services/path_kind.h"
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

// What one frame's step hands to the next: the bytes read and the canvas's file, each of a
// frame's size. New memory of that size for every frame would cost more than the copies.
struct FrameBuffers {
  PropertyValue captured = ByteString{};  // handed to the canvas as it is, without a copy
  ByteString rescaled;
};

// Frame i goes through the canvas: the captured picture (or the JPEG an earlier, failed save of
// an older version converted it to) is drawn shrunk to the save size, into buffers.rescaled, to be
// converted from memory. Every frame of the recording then has this save's size and quality. Only
// a frame the folder lacks, or that cannot be read, is white.
void ShrinkFrame(TakeReader& take, int i, FrameBuffers& buffers) {
  take.Read(i, std::get<ByteString>(buffers.captured));
  WriteProperty(kCanvas, draw_panel_property::kBackPicture, buffers.captured);
  TakePanelPicture(kCanvas, buffers.rescaled);
}

void ShowFrameDone(int i) {
  WriteProperty(kProgress, process_bar_property::kPosition, i);
  ShowConversionProgress();
  ProcessPendingEvents();
}

// Where the save converts the frames to, beside them: the take keeps every captured frame until
// the recording is on the disk, so a failure leaves it whole for the next try.
std::string ConvertedFolder() { return FrameFolder + "/jpeg"; }

// A take at any rate but the first says its rate in the recording: the rate file kept beside
// its frames goes into the recording as it is, after them.
bool TakeHasOwnRate() { return TakeFrameRate() != kDefaultFrameRate; }
std::string TakeRatePath() { return FrameFolder + "\\" + kFrameRateEntryName; }

bool KeepRateWith(const std::string& convertedFolder) {
  if (!TakeHasOwnRate()) return true;
  return CopyFileW(Widen(TakeRatePath()).c_str(), Widen(convertedFolder + "\\" + kFrameRateEntryName).c_str(), FALSE) != FALSE;
}

// A take with sound gives the recording its track, mixed from the sources, after the frames.
bool KeepSoundWith(const std::string& convertedFolder) {
  return MixTakeSound(FrameFolder, FrameCount, TakeFrameRate(), SoundEntryPath(convertedFolder));
}

// Frame i is read and shrunk while frame i - 1 is coded on the encoder's thread; then frame
// i - 1's outcome is taken before frame i is handed over, so the progress counts the frames in
// order. The bound is fixed here: frames a running take adds meanwhile are not converted.
bool ConvertFrames() {
  const int frameTotal = FrameCount;
  const std::string folder = ConvertedFolder();
  if (!CreateDirectoryW(Widen(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
  TakeReader take(FrameFolder);
  FrameBuffers buffers;
  FrameEncoder encoder(QualityPercent);
  int inFlight = 0;
  for (int i = 1; i <= frameTotal; ++i) {
    ShrinkFrame(take, i, buffers);
    if (inFlight && encoder.Finish() != kJpegWritten) return false;
    encoder.Start(buffers.rescaled, ConvertedFramePath(folder, i));
    if (inFlight) ShowFrameDone(inFlight);
    inFlight = i;
  }
  if (inFlight && encoder.Finish() != kJpegWritten) return false;
  if (inFlight) ShowFrameDone(inFlight);
  return KeepRateWith(folder) && KeepSoundWith(folder);
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
  const FolderBytes folder = FilesInFolder(ConvertedFolder());
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
bool Packed(int result, const std::string& target) {
  if (result != kZipDone || !FlushFileToDisk(target)) return false;
  RemoveFolderTree(FrameFolder);
  return true;
}

bool PackFrames(const std::string& target) {
  WriteProperty(kProgress, process_bar_property::kMaximum, kPercentMaximum);
  ZipEventSink zipComponent({kId, ZIP压缩});
  return Packed(Pack(&zipComponent, ConvertedFolder(), target), target);
}

// The next SaveDialog, in this run or the next, opens at the quality saved at, and the next take
// is coded ahead at it. A settings file that cannot be written keeps it for this run only.
void RememberSaveQuality() {
  Settings settings = CurrentSettings();
  if (settings.saveQuality == QualityPercent) return;
  settings.saveQuality = QualityPercent;
  SetCurrentSettings(settings);
  StoreSettingsFile(SettingsFilePath(), settings);
}

// Saving the same take again needs a new stop, whatever the outcome; after a failure the target
// goes too, so no broken recording is left behind.
void ReportOutcome(bool saved, const std::string& target) {
  if (saved) {
    RememberSaveQuality();
    ShowMessageBox(SaveSucceededText(target), MB_OK | MB_ICONINFORMATION);
  } else {
    ShowMessageBox(SaveFailedText(target), MB_OK | MB_ICONEXCLAMATION);
  }
  TakeSaveTried();
  if (!saved) DeleteFileW(Widen(target).c_str());
}

enum class SaveOutcome { Saved, Failed, NoRoom };

// Converted, the frames' exact size is known: the target's volume is asked again before
// packing, so a recording never fails for want of room only at its end. Whatever the outcome,
// the converted frames go unless the recording took them with the take.
SaveOutcome ConvertAndPack(const std::string& target) {
  SaveOutcome outcome = SaveOutcome::Failed;
  if (ConvertFrames()) {
    outcome = !TargetHasRoom(target, PackedFolderBytes()) ? SaveOutcome::NoRoom
              : PackFrames(target)                        ? SaveOutcome::Saved
                                                          : SaveOutcome::Failed;
  }
  if (outcome != SaveOutcome::Saved) RemoveFolderTree(ConvertedFolder());
  return outcome;
}

// The frames the take coded ahead, when they are this save's: the same quality and canvas,
// every frame of the take, and still in its folder.
const PrecodedFrames* ReadyPrecodedFrames() {
  const PrecodedFrames* coded = PrecodedTake();
  const PrecodeTarget wanted{QualityPercent, ReadInt(kCanvas, common_property::kWidth),
                             ReadInt(kCanvas, common_property::kHeight)};
  if (!coded || FrameCount < 1 || coded->codedUpTo != FrameCount || !(coded->target == wanted) ||
      !IsFolder(coded->folder))
    return nullptr;
  return coded;
}

// The take coded ahead: the conversion is done, and the archive is written from the entries
// made ready during the take.
SaveOutcome PackPrecoded(const ReadyEntries& ready, const std::string& target) {
  ShowFrameDone(FrameCount);
  if (!TargetHasRoom(target, ready.bytes + ready.entries.size() * kEntryOverheadBytes)) return SaveOutcome::NoRoom;
  WriteProperty(kProgress, process_bar_property::kMaximum, kPercentMaximum);
  ZipEventSink zipComponent({kId, ZIP压缩});
  return Packed(PackPrepared(&zipComponent, ready.entries, target), target) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

// The rate's entry is prepared beside the frames' as the save starts; without it the save
// converts, which packs the rate file with the frames.
bool AddRateEntry(const PrecodedFrames& coded, ReadyEntries& ready) {
  if (!TakeHasOwnRate()) return true;
  const std::string text = FrameRateEntryText(TakeFrameRate());
  const std::string prepared = coded.folder + "/" + kFrameRateEntryName + ".entry";
  if (PrepareEntry(kFrameRateEntryName, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), prepared) != kZipDone)
    return false;
  ready.entries.push_back({prepared, kFrameRateEntryName});
  ready.bytes += text.size();
  return true;
}

// The track is mixed beside the coded frames and its entry prepared from it in pieces.
bool AddSoundEntry(const PrecodedFrames& coded, ReadyEntries& ready) {
  if (!HasTakeSound(FrameFolder)) return true;
  const std::string mixed = SoundEntryPath(coded.folder);
  const std::string prepared = mixed + ".entry";
  if (!KeepSoundWith(coded.folder) || PrepareFileEntry(kSoundEntryName, mixed, prepared) != kZipDone) return false;
  ready.entries.push_back({prepared, kSoundEntryName});
  ready.bytes += FileSizeAt(mixed);
  return true;
}

SaveOutcome SaveAsRecording(const std::string& target) {
  const PrecodedFrames* coded = ReadyPrecodedFrames();
  ReadyEntries ready = coded ? ReadyEntriesOf(*coded, FrameCount) : ReadyEntries{};
  if (ready.entries.empty() || !AddRateEntry(*coded, ready) || !AddSoundEntry(*coded, ready)) return ConvertAndPack(target);
  return PackPrecoded(ready, target);
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
  const SaveOutcome outcome = format.video ? SaveAsVideo(target, *format.video) : SaveAsRecording(target);
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
