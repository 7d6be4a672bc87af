#include "components/video/gif_writer.h"

extern "C" {
#include <libavutil/mathematics.h>
#include <libavutil/pixdesc.h>
}

#include "components/video/video.h"

namespace {

// The frames' times count in frames, as the encoder's do.
std::string SourceOf(int width, int height, AVPixelFormat format, int frameRate) {
  return "video_size=" + std::to_string(width) + "x" + std::to_string(height) + ":pix_fmt=" +
         av_get_pix_fmt_name(format) + ":time_base=1/" + std::to_string(frameRate) + ":pixel_aspect=1/1";
}

// The frame's rows as FFmpeg sees them, without a copy; the chain copies what it keeps.
bool PushPicture(FilterChain& chain, const FramePicture& picture, int64_t time) {
  FramePtr frame(av_frame_alloc());
  if (!frame) return false;
  frame->format = AV_PIX_FMT_BGR24;
  frame->width = picture.width();
  frame->height = picture.height();
  frame->data[0] = const_cast<uint8_t*>(picture.top());
  frame->linesize[0] = static_cast<int>(picture.stride());
  frame->pts = time;
  return chain.Push(0, frame.get());
}

// The muxer takes a frame's delay from the next frame's time, rescaled to its hundredths of a
// second as every packet's is; the last frame has none after it, so its delay is told apart:
// the rest of the video's length, rounded alike.
std::string MuxerOptions(int frameRate, int frameCount) {
  const AVRational frameTime{1, frameRate};
  const AVRational hundredth{1, 100};
  const int64_t lastDelay =
      av_rescale_q(frameCount, frameTime, hundredth) - av_rescale_q(frameCount - 1, frameTime, hundredth);
  return "loop=0:final_delay=" + std::to_string(lastDelay);
}

}  // namespace

int GifPaletteCounter::Open(VideoSize size, int frameRate, int quality) {
  const std::string options =
      "max_colors=" + std::to_string(GifPaletteEntries(quality)) + ":reserve_transparent=1:stats_mode=full";
  return chain_.Build({SourceOf(size.width, size.height, AV_PIX_FMT_BGR24, frameRate)}, "palettegen", options)
             ? kVideoWritten
             : kVideoEncoderFailed;
}

int GifPaletteCounter::Take(const FramePicture& picture) {
  return PushPicture(chain_, picture, nextFrame_++) ? kVideoWritten : kVideoEncoderFailed;
}

int GifPaletteCounter::Finish(AVFrame* palette) {
  if (!chain_.Push(0, nullptr)) return kVideoEncoderFailed;
  return chain_.Pull(palette) == 1 ? kVideoWritten : kVideoEncoderFailed;
}

int GifWriter::Open(const std::string& path, VideoSize size, int frameRate, int frameCount, AVFrame* palette) {
  const int created = file_.Create(path, "gif", "gif", size.width, size.height, AV_PIX_FMT_PAL8, frameRate);
  if (created != kVideoWritten) return created;
  mapped_.reset(av_frame_alloc());
  const std::string paletteSource =
      SourceOf(palette->width, palette->height, static_cast<AVPixelFormat>(palette->format), frameRate);
  if (!mapped_ ||
      !chain_.Build({SourceOf(size.width, size.height, AV_PIX_FMT_BGR24, frameRate), paletteSource}, "paletteuse",
                    "dither=sierra2_4a:diff_mode=rectangle")) {
    return kVideoEncoderFailed;
  }
  // The palette is the second input's only frame; it holds for every frame that follows.
  palette->pts = 0;
  if (!chain_.Push(1, palette) || !chain_.Push(1, nullptr)) return kVideoEncoderFailed;
  return file_.Start(MuxerOptions(frameRate, frameCount).c_str());
}

int GifWriter::Take(const FramePicture& picture) {
  if (!PushPicture(chain_, picture, nextFrame_++)) return kVideoEncoderFailed;
  return EncodeMapped();
}

int GifWriter::EncodeMapped() {
  for (;;) {
    const int pulled = chain_.Pull(mapped_.get());
    if (pulled < 0) return kVideoEncoderFailed;
    if (pulled == 0) return kVideoWritten;
    const int encoded = file_.Encode(mapped_.get());
    av_frame_unref(mapped_.get());
    if (encoded != kVideoWritten) return encoded;
  }
}

int GifWriter::Finish() {
  if (!chain_.Push(0, nullptr)) return kVideoEncoderFailed;
  const int drained = EncodeMapped();
  return drained == kVideoWritten ? file_.Finish() : drained;
}
