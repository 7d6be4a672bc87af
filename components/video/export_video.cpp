// ExportVideo: reads the frames pass by pass into one kept picture, hands them to the writer of
// the format, and renames the finished file onto the target.
#include <optional>

extern "C" {
#include <libavutil/log.h>
}

#include "components/video/gif_writer.h"
#include "components/video/mp4_writer.h"
#include "components/services/temporary_target.h"
#include "components/video/video.h"
#include "components/video/video_settings.h"

namespace {

int ReadFrame(VideoFrames& frames, int number, FramePicture& picture) {
  if (frames.ReadFrame(number, picture)) return kVideoWritten;
  return picture.sizeDiffers() ? kVideoFrameSizeDiffers : kVideoFrameUnreadable;
}

// One pass over the frames; frame 1 is in `picture` already when the pass begins.
int RunPass(VideoFrames& frames, int frameCount, int pass, int passes, FramePicture& picture, FrameTaker& taker) {
  for (int number = 1; number <= frameCount; ++number) {
    if (number > 1) {
      const int read = ReadFrame(frames, number, picture);
      if (read != kVideoWritten) return read;
    }
    const int taken = taker.Take(picture);
    if (taken != kVideoWritten) return taken;
    frames.FrameDone(pass, passes, number);
  }
  return kVideoWritten;
}

int WriteMp4(VideoFrames& frames, int frameCount, int frameRate, const std::string& path, VideoSize size,
             int quality, const VideoSound* sound, FramePicture& picture) {
  Mp4Writer writer;
  int result = writer.Open(path, size, frameRate, quality, sound, frameCount);
  if (result == kVideoWritten) result = RunPass(frames, frameCount, 1, 1, picture, writer);
  return result == kVideoWritten ? writer.Finish() : result;
}

int WriteGif(VideoFrames& frames, int frameCount, int frameRate, const std::string& path, VideoSize size,
             int quality, FramePicture& picture) {
  FramePtr palette(av_frame_alloc());
  if (!palette) return kVideoEncoderFailed;
  GifPaletteCounter counter;
  int result = counter.Open(size, frameRate, quality);
  if (result == kVideoWritten) result = RunPass(frames, frameCount, 1, 2, picture, counter);
  if (result == kVideoWritten) result = counter.Finish(palette.get());
  if (result == kVideoWritten) result = ReadFrame(frames, 1, picture);
  GifWriter writer;
  if (result == kVideoWritten) result = writer.Open(path, size, frameRate, frameCount, palette.get());
  if (result == kVideoWritten) result = RunPass(frames, frameCount, 2, 2, picture, writer);
  return result == kVideoWritten ? writer.Finish() : result;
}

}  // namespace

int VideoPasses(VideoFormat format) { return format == VideoFormat::kGif ? 2 : 1; }

int ExportVideo(VideoFrames& frames, int frameCount, int frameRate, const std::string& target, VideoFormat format,
                int quality, const VideoSound* sound) {
  if (frameCount < 1 || frameRate < kLowestVideoRate || frameRate > kHighestVideoRate || quality < 1 ||
      quality > 100 || target.empty())
    return kVideoBadArgument;
  // The libraries report through the result codes; their own lines would only reach a console.
  av_log_set_level(AV_LOG_QUIET);
  FramePicture picture;
  const int first = ReadFrame(frames, 1, picture);
  if (first != kVideoWritten) return first;
  const std::optional<VideoSize> size = StoredVideoSize(format, picture.width(), picture.height());
  if (!size) return kVideoBadArgument;
  TemporaryTarget file(target);
  const int written = format == VideoFormat::kMp4
                          ? WriteMp4(frames, frameCount, frameRate, file.path(), *size, quality, sound, picture)
                          : WriteGif(frames, frameCount, frameRate, file.path(), *size, quality, picture);
  if (written != kVideoWritten) return written;
  return file.Commit() ? kVideoWritten : kVideoTargetRefused;
}
