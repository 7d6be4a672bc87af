#include "tools/vmrctool/export_recording.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "app/recording/sound_entry.h"
#include "components/imaging/decoders.h"
#include "components/services/file_bytes.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/sound/sound_format.h"
#include "components/sound/wav_file.h"
#include "components/video/video.h"
#include "components/services/path_kind.h"
#include "components/video/video_settings.h"
#include "components/zip/zip.h"

namespace {

std::string FramePath(const std::string& folder, int number, bool bitmap) {
  return folder + "\\" + (bitmap ? BitmapFrameName(number) : JpegFrameName(number));
}

int FrameTotal(const std::string& folder) {
  int run = 0;
  while (IsFile(FramePath(folder, run + 1, false)) || IsFile(FramePath(folder, run + 1, true))) ++run;
  return std::max(run, CountFrameFiles(folder));
}

// Frame n of a folder: n.jpg, else n.bmp, decoded straight into the export's rows.
class FolderFrames : public VideoFrames {
 public:
  explicit FolderFrames(std::string folder) : folder_(std::move(folder)) {}

  bool ReadFrame(int number, BgrRows& rows) override {
    const std::string jpeg = FramePath(folder_, number, false);
    if (!ReadWholeFileInto(IsFile(jpeg) ? jpeg : FramePath(folder_, number, true), bytes_)) return false;
    return AcceptsJpeg(bytes_) ? DecodeJpegToBgr(bytes_, rows) : DecodeBmpToBgr(bytes_, rows);
  }
  void FrameDone(int, int, int) override {}

 private:
  std::string folder_;
  std::vector<uint8_t> bytes_;
};

// An MP4 takes the recording's sound entry, all of it that plays with the frames.
int ExportFolder(const std::string& folder, const std::string& target, VideoFormat format, int quality) {
  FolderFrames frames(folder);
  const int frameCount = FrameTotal(folder);
  const int frameRate = RecordingFrameRate(folder);
  const std::string soundPath = SoundEntryPath(folder);
  if (format != VideoFormat::kMp4 || !IsFile(soundPath))
    return ExportVideo(frames, frameCount, frameRate, target, format, quality);
  const std::optional<WavShape> shape = ReadWavShape(soundPath);
  if (!shape) return kVideoSoundUnreadable;
  const VideoSound sound{soundPath, 0, SoundFramesBefore(frameCount + 1, frameRate, shape->format.rate)};
  return ExportVideo(frames, frameCount, frameRate, target, format, quality, &sound);
}

}  // namespace

int ExportRecording(const std::string& recording, const std::string& target, int quality) {
  const std::optional<VideoFormat> format = VideoFormatOfName(target);
  if (!format) return kVideoBadArgument;
  if (IsFolder(recording)) return ExportFolder(recording, target, *format, quality);
  const std::string folder = SpecialFolderPath(kTemporaryFolder) + "vmrctool-export-" + std::to_string(GetCurrentProcessId());
  RemoveFolderTree(folder);
  const int result = Unpack(nullptr, recording, folder) == kZipDone ? ExportFolder(folder, target, *format, quality)
                                                                     : kVideoFrameUnreadable;
  RemoveFolderTree(folder);
  return result;
}
