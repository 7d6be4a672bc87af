#include "app/player/range_save.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/player/playback.h"
#include "app/player/player_state.h"
#include "app/player/range_target.h"
#include "app/recording/recording_file.h"
#include "components/imaging/decoders.h"
#include "components/services/file_bytes.h"
#include "components/services/same_file.h"
#include "components/services/temporary_target.h"
#include "components/services/wide_text.h"
#include "components/video/video.h"
#include "components/zip/zip.h"
#include "controls/file_dialog.h"
#include "controls/live_windows.h"
#include "controls/message_box.h"
#include "controls/property_indexes.h"
#include "forms/player_window.h"

namespace {

using namespace PlayerWindow;

constexpr UnitAddress kTime{kId, 标签1};
constexpr const char* kSavingText = "正在保存…";
// Long enough for any path the system dialog gives back.
constexpr size_t kPathRoom = 32768;
constexpr DWORD kUnpackLookMilliseconds = 10;

bool saving = false;

// Holds the player for the save: opens are refused until it ends.
class SaveHold {
 public:
  SaveHold() { saving = true; }
  ~SaveHold() { saving = false; }
  SaveHold(const SaveHold&) = delete;
  SaveHold& operator=(const SaveHold&) = delete;
};

// The system's save dialog, modal over the player, asking before it replaces an existing file. The
// dialog appends the chosen filter's extension to a name without one; the answer is read
// through the same rule, so a name that comes back without one gets it too.
std::optional<RangeTarget> AskForTarget() {
  const std::wstring filter = SystemFilter(kRangeSaveFilter);
  const std::wstring extension = Widen(kRangeSaveDefaultExtension);
  std::vector<wchar_t> file(kPathRoom, L'\0');
  OPENFILENAMEW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = WindowHandle(kId);
  request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrDefExt = extension.c_str();
  if (!AskFileDialog(request, true)) return std::nullopt;
  return TargetOfChoice(Narrow(file.data()), static_cast<int>(request.nFilterIndex));
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

std::optional<RangeSaveFailure> SaveVideo(const FrameRange& range, const RangeTarget& target) {
  RangeFrames frames(range.first);
  const VideoFormat format = target.format == RangeFormat::kGif ? VideoFormat::kGif : VideoFormat::kMp4;
  return FailureOfExport(ExportVideo(frames, range.count(), target.path, format, kRangeVideoQuality));
}

bool FrameFilesPresent(const std::vector<PackedFile>& files) {
  for (const PackedFile& file : files) {
    if (GetFileAttributesW(Widen(file.path).c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  }
  return true;
}

// The frames' own files, byte for byte, renamed 1.jpg, 2.jpg, ... in their new order: nothing is
// decoded, so nothing is lost. A target folder that refuses even an empty file is told apart
// from a write that stops part way.
std::optional<RangeSaveFailure> SaveRecording(const FrameRange& range, const RangeTarget& target) {
  std::vector<PackedFile> files;
  for (int frame = range.first; frame <= range.last; ++frame) {
    files.push_back({PlayedFramePath(ExtractionFolder, frame), JpegFrameName(frame - range.first + 1)});
  }
  if (!FrameFilesPresent(files)) return RangeSaveFailure::kFrameUnreadable;
  TemporaryTarget file(target.path);
  if (!WriteWholeFile(file.path(), {})) return RangeSaveFailure::kTargetRefused;
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
  return target.format == RangeFormat::kRecording ? SaveRecording(*range, target) : SaveVideo(*range, target);
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
  const SaveHold hold;
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
  if (saving || !IsWindowLoaded(kId) || OpenedRecording.empty()) return;
  std::string target;
  const std::optional<RangeSaveFailure> failure = AskAndSave(firstFrame, lastFrame, &target);
  if (target.empty()) return;
  if (failure) {
    ShowMessageBox(RangeNotSavedText(target, *failure), MB_OK | MB_ICONEXCLAMATION);
  } else {
    ShowMessageBox(RangeSavedText(target), MB_OK | MB_ICONINFORMATION);
  }
}

bool RangeSaveRunning() { return saving; }
