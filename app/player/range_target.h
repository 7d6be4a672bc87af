// The rules of saving frames of the recording being played as a new file, apart from the
// dialog and the files: the save dialog's filter, the name and format a confirmed choice means,
// the frames a range covers, and what the user is told. Pure.
#pragma once
#include <optional>
#include <string>

#include "components/video/video.h"

// The save dialog's filter: the recording file as the player's open dialog names it, then the
// video formats of the save formats' table, in its order.
std::string RangeSaveFilter();

struct RangeTarget {
  std::string path;
  std::optional<VideoFormat> video;  // none for a recording
};

// What the dialog's answer `path` means with filter `filterIndex` (1-based, as the dialog gives
// it back; anything else counts as the first). A name without an extension gets the chosen
// format's; the format follows the name's extension (".vmrc", ".mp4", ".gif" in any case of
// letters), or the chosen filter's when the name has another.
RangeTarget TargetOfChoice(const std::string& path, int filterIndex);

// Frames `firstFrame` to `lastFrame` of a recording of `frameCount` frames, cut to the frames it
// has (1 .. frameCount); none when nothing of the range is left.
struct FrameRange {
  int first;
  int last;
  int count() const { return last - first + 1; }
};
std::optional<FrameRange> RangeWithin(int firstFrame, int lastFrame, int frameCount);

// Why a save did not happen, for the message box.
enum class RangeSaveFailure {
  kTargetIsPlayed,    // the chosen file is the recording being played
  kFrameUnreadable,   // a frame of the range is missing or damaged
  kTargetRefused,     // the target's folder refused the file (missing, read-only, no rights)
  kWriteFailed,       // writing stopped part way (a full disk, a lost drive)
  kEncoderFailed,     // the video encoder refused its work
  kNothingToSave,     // no frame in the range
};

// "文件“<file>”保存成功!", as the recorder's save says it.
std::string RangeSavedText(const std::string& file);
// The refusal or failure with its reason, naming the file.
std::string RangeNotSavedText(const std::string& file, RangeSaveFailure failure);
