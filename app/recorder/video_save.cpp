#include "app/recorder/video_save.h"

#include <windows.h>

#include <optional>

#include "app/recorder/recorder_handlers.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/save_messages.h"
#include "app/recorder/take_sound_files.h"
#include "app/recorder/unsaved_take.h"
#include "app/recording/frame_rate.h"
#include "app/recording/recording_file.h"
#include "app/recording/sound_entry.h"
#include "components/imaging/decoders.h"
#include "components/services/file_bytes.h"
#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/sound/wav_file.h"
#include "controls/property_indexes.h"
#include "controls/runtime.h"
#include "forms/save_dialog.h"

namespace {

using namespace SaveDialog;

constexpr UnitAddress kFormatChoice{kId, 组合框};
constexpr int kPercentMaximum = 100;

// Where an export that reads the frames twice (a GIF) keeps each frame shrunk, so its second
// pass reads it without the canvas, whose shrinking costs most of a frame's time: a folder of
// its own in the temporary folder, removed with everything in it when the save ends, so the
// take's frames stay as they were captured whatever the outcome.
class ShrunkFrames {
 public:
  ShrunkFrames() : folder_(SpecialFolderPath(kTemporaryFolder) + "velmo-shrunk-" + std::to_string(GetCurrentProcessId())) {}
  ~ShrunkFrames() { RemoveFolderTree(folder_); }
  ShrunkFrames(const ShrunkFrames&) = delete;
  ShrunkFrames& operator=(const ShrunkFrames&) = delete;

  bool Keep(int number, const ByteString& bitmap) {
    if (!made_) made_ = CreateDirectoryW(Widen(folder_).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
    return made_ && WriteWholeFile(CapturedFramePath(folder_, number), bitmap);
  }
  bool Read(int number, ByteString& bitmap) const {
    return ReadWholeFileInto(CapturedFramePath(folder_, number), bitmap);
  }

 private:
  std::string folder_;
  bool made_ = false;
};

// The take's frames as the canvas shrinks them, one at a time, with one pair of buffers; with
// `keepShrunk`, each shrunk frame is kept for a second reading.
class TakeFrames : public VideoFrames {
 public:
  TakeFrames(int frameTotal, bool keepShrunk) : take_(FrameFolder), frameTotal_(frameTotal), keepShrunk_(keepShrunk) {}

  bool ReadFrame(int number, BgrRows& rows) override {
    if (number <= shrunkUpTo_) return shrunk_.Read(number, rescaled_) && DecodeBmpToBgr(rescaled_, rows);
    if (!ReadCapturedFrame(number)) return false;
    WriteProperty(kCanvas, draw_panel_property::kBackPicture, captured_);
    TakePanelPicture(kCanvas, rescaled_);
    if (keepShrunk_) {
      if (!shrunk_.Keep(number, rescaled_)) return false;
      shrunkUpTo_ = number;
    }
    return DecodeBmpToBgr(rescaled_, rows);
  }

  // The last pass of a GIF writes the file: it shows as the recording file's packing does.
  void FrameDone(int pass, int passes, int number) override {
    if (passes > 1 && pass == passes) {
      const int percent = number * kPercentMaximum / frameTotal_;
      WriteProperty(kProgress, process_bar_property::kMaximum, kPercentMaximum);
      WriteProperty(kProgress, process_bar_property::kPosition, percent);
      WriteProperty(kHint, label_property::kCaption, PackingProgressText(percent));
    } else {
      WriteProperty(kProgress, process_bar_property::kPosition, number);
      WriteProperty(kHint, label_property::kCaption, ConversionProgressText(number, frameTotal_));
    }
    ProcessPendingEvents();
  }

 private:
  // The captured frame, or the JPEG an earlier failed save converted it to. Anything else, a
  // missing file or a bitmap shorter than its rows included, would save as a white frame.
  bool ReadCapturedFrame(int number) {
    ByteString& bytes = std::get<ByteString>(captured_);
    switch (take_.Read(number, bytes)) {
      case TakeFrameSource::Bitmap:
        return FindBmpRows(bytes).has_value();
      case TakeFrameSource::Jpeg:
        return AcceptsJpeg(bytes);
      default:
        return false;
    }
  }

  TakeReader take_;
  PropertyValue captured_ = ByteString{};  // handed to the canvas as it is, without a copy
  ByteString rescaled_;
  int frameTotal_;
  bool keepShrunk_;
  ShrunkFrames shrunk_;
  int shrunkUpTo_ = 0;  // frames 1 to this one are kept shrunk; the frames are read in order
};

}  // namespace

const SaveFormat& ChosenSaveFormat() { return SaveFormatAt(ReadInt(kFormatChoice, combo_box_property::kCurrentItem)); }

void OfferSaveFormat(const SaveFormat& format) {
  WriteProperty(kFileDialog, common_dlg_property::kFilter, std::string(format.filter));
  WriteProperty(kFileDialog, common_dlg_property::kDefaultExtension, std::string(format.defaultExtension));
}

// An MP4 of a take with sound carries its track, mixed beside the frames first as a recording's
// would be; a GIF has no sound.
bool SaveTakeAsVideo(const std::string& target, VideoFormat format) {
  const int frameTotal = FrameCount;
  const int rate = TakeFrameRate();
  const std::string mixed = SoundEntryPath(FrameFolder);
  std::optional<VideoSound> sound;
  if (format == VideoFormat::kMp4 && HasTakeSound(FrameFolder)) {
    if (!MixTakeSound(FrameFolder, frameTotal, rate, mixed)) return false;
    sound = VideoSound{mixed, 0, ReadWavShape(mixed).value_or(WavShape{}).frames};
  }
  TakeFrames frames(frameTotal, VideoPasses(format) > 1);
  const int written = ExportVideo(frames, frameTotal, rate, target, format, QualityPercent, sound ? &*sound : nullptr);
  DeleteFileW(Widen(mixed).c_str());
  if (written != kVideoWritten) return false;
  RemoveFolderTree(FrameFolder);
  return true;
}
