#include "app/player/range_save.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/player/playback.h"
#include "app/player/playback_sound.h"
#include "app/player/player_owner.h"
#include "app/player/player_state.h"
#include "app/player/range_target.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "app/recording/sound_entry.h"
#include "components/imaging/decoders.h"
#include "components/services/file_bytes.h"
#include "components/services/path_kind.h"
#include "components/services/same_file.h"
#include "components/services/temporary_target.h"
#include "components/sound/sound_format.h"
#include "components/sound/sound_mix.h"
#include "components/video/video.h"
#include "components/zip/zip.h"
#include "controls/runtime.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"
#include "forms/save_formats.h"

namespace {

using namespace PlayerWindow;

constexpr const char* kSavingText = "正在保存…";
constexpr DWORD kUnpackLookMilliseconds = 10;

// The system's save dialog, modal over the player, asking before it replaces an existing file. The
// dialog appends the chosen filter's extension to a name without one; the answer is read
// through the same rule, so a name that comes back without one gets it too.
std::optional<RangeTarget> AskForTarget() {
  const CommonDlgProperties dialog{.dialogType = 1, .overwritePrompt = 1, .pathMustExist = 1, .keepCurrentFolder = 1,
                                   .filter = RangeSaveFilter(), .defaultExtension = SaveFormatAt(0).defaultExtension};
  const std::optional<ChosenFile> chosen = AskForFile(kId, dialog);
  if (!chosen) return std::nullopt;
  return TargetOfChoice(chosen->path, chosen->filterIndex);
}

// Frames arrive in their numeric order, so the range is whole once its last frame is in.
void WaitForFramesUpTo(int lastFrame) {
  while (!PlayerUnpack.FrameReady(lastFrame)) Sleep(kUnpackLookMilliseconds);
}

// The range's frames from the extraction folder, renumbered from 1, decoded for the export.
class RangeFrames : public VideoFrames {
 public:
  explicit RangeFrames(int firstFrame) : firstFrame_(firstFrame) {}

  bool ReadFrame(int number, BgrRows& rows) override {
    return ReadWholeFileInto(PlayedFramePath(ExtractionFolder, firstFrame_ + number - 1), bytes_) &&
           DecodeJpegToBgr(bytes_, rows);
  }
  void FrameDone(int, int, int) override {}

 private:
  int firstFrame_;
  std::vector<uint8_t> bytes_;
};

std::optional<RangeSaveFailure> FailureOfExport(int result) {
  switch (result) {
    case kVideoWritten:
      return std::nullopt;
    case kVideoFrameUnreadable:
    case kVideoFrameSizeDiffers:
      return RangeSaveFailure::kFrameUnreadable;
    case kVideoTargetRefused:
      return RangeSaveFailure::kTargetRefused;
    case kVideoWriteFailed:
      return RangeSaveFailure::kWriteFailed;
    default:
      return RangeSaveFailure::kEncoderFailed;
  }
}

// The video gets the part of the recording's sound that plays with the range (a GIF leaves it).
std::optional<RangeSaveFailure> SaveVideo(const FrameRange& range, const RangeTarget& target) {
  RangeFrames frames(range.first);
  const int rate = RecordingSoundRate();
  const uint64_t first = SoundFramesBefore(range.first, PlayerFrameRate, rate);
  const VideoSound sound{SoundEntryPath(ExtractionFolder), first,
                         SoundFramesBefore(range.last + 1, PlayerFrameRate, rate) - first};
  return FailureOfExport(ExportVideo(frames, range.count(), PlayerFrameRate, target.path, *target.video,
                                     kStartingSaveQuality, rate != 0 ? &sound : nullptr));
}

bool FrameFilesPresent(const std::vector<PackedFile>& files) {
  for (const PackedFile& file : files) {
    if (!PathExists(file.path)) return false;
  }
  return true;
}

// The frames' own files, byte for byte, renamed 1.jpg, 2.jpg, ... in their new order: nothing is
// decoded, so nothing is lost. A recording at another rate than ten keeps the rate entry it was
// read from, after the frames, as a take at that rate is saved, and a recording with sound the
// part of it that plays with the range, cut beside the target and packed last. A target folder
// that refuses even an empty file is told apart from a write that stops part way.
std::optional<RangeSaveFailure> SaveRecording(const FrameRange& range, const RangeTarget& target) {
  std::vector<PackedFile> files;
  for (int frame = range.first; frame <= range.last; ++frame) {
    files.push_back({PlayedFramePath(ExtractionFolder, frame), JpegFrameName(frame - range.first + 1)});
  }
  if (PlayerFrameRate != kDefaultFrameRate) {
    files.push_back({FrameRateEntryPath(ExtractionFolder), kFrameRateEntryName});
  }
  if (!FrameFilesPresent(files)) return RangeSaveFailure::kFrameUnreadable;
  TemporaryTarget file(target.path);
  if (!WriteWholeFile(file.path(), {})) return RangeSaveFailure::kTargetRefused;
  const TemporaryTarget sound(file.path(), std::string(".") + kSoundEntryName);
  if (RecordingSoundRate() != 0) {
    if (!CutSoundAtFrames(SoundEntryPath(ExtractionFolder), range.first, range.last, PlayerFrameRate, sound.path())) {
      return RangeSaveFailure::kWriteFailed;
    }
    files.push_back({sound.path(), kSoundEntryName});
  }
  if (PackFiles(files, file.path()) != kZipDone) {
    return FrameFilesPresent(files) ? RangeSaveFailure::kWriteFailed : RangeSaveFailure::kFrameUnreadable;
  }
  if (!file.Commit()) return RangeSaveFailure::kTargetRefused;
  return std::nullopt;
}

std::optional<RangeSaveFailure> SaveRange(int firstFrame, int lastFrame, const RangeTarget& target) {
  WaitForFramesUpTo(lastFrame);
  FollowUnpack();
  const std::optional<FrameRange> range = RangeWithin(firstFrame, lastFrame, PlayerFrameCount);
  if (!range) return RangeSaveFailure::kNothingToSave;
  return target.video ? SaveVideo(*range, target) : SaveRecording(*range, target);
}

// The time text says the player is saving, and is painted at once, since no message is
// handled until the save ends; then the text it held comes back.
std::optional<RangeSaveFailure> SaveShowingProgress(int firstFrame, int lastFrame, const RangeTarget& target) {
  BusyCursorOn();
  const std::string timeText = ReadText(kTime, label_property::kCaption);
  WriteProperty(kTime, label_property::kCaption, std::string(kSavingText));
  RepaintNow(kId);
  const std::optional<RangeSaveFailure> failure = SaveRange(firstFrame, lastFrame, target);
  if (ReadText(kTime, label_property::kCaption) == kSavingText) {
    WriteProperty(kTime, label_property::kCaption, timeText);
  }
  BusyCursorOff();
  return failure;
}

// The dialog and the save hold the player; the closing message does not, so a recording handed
// over while it waits still opens.
std::optional<RangeSaveFailure> AskAndSave(int firstFrame, int lastFrame, std::string* targetPath) {
  const PlayerHold hold(PlayerHolder::Saving);
  const std::string folder = ExtractionFolder;
  const std::optional<RangeTarget> target = AskForTarget();
  // The dialog's own message loop may have closed the window or let another recording in.
  if (!target || !IsWindowLoaded(kId) || ExtractionFolder != folder) return std::nullopt;
  *targetPath = target->path;
  if (NamesSameFile(target->path, OpenedRecording)) return RangeSaveFailure::kTargetIsPlayed;
  return SaveShowingProgress(firstFrame, lastFrame, *target);
}

}  // namespace

void SaveFramesAs(int firstFrame, int lastFrame) {
  if (PlayerHeldBy() != PlayerHolder::Nobody || !IsWindowLoaded(kId) || OpenedRecording.empty()) return;
  std::string target;
  const std::optional<RangeSaveFailure> failure = AskAndSave(firstFrame, lastFrame, &target);
  if (target.empty()) return;
  if (failure) {
    ShowMessageBox(RangeNotSavedText(target, *failure), MB_OK | MB_ICONEXCLAMATION);
  } else {
    ShowMessageBox(RangeSavedText(target), MB_OK | MB_ICONINFORMATION);
  }
}
