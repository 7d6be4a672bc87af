#include "components/video/mp4_writer.h"

#include <windows.h>

extern "C" {
#include <libavutil/opt.h>
}

#include "components/video/video.h"

namespace {

// openh264 encodes on both cores of a small machine; more threads would only wait.
constexpr int kEncoderThreads = 2;

bool SetUpEncoder(AVCodecContext* encoder, int frameRate, int quality) {
  const int quantiser = H264Quantiser(quality);
  // The quantiser bounds hold the rate control at one quantiser for every frame, key frames
  // included; the bit rate is only a ceiling far above what a screen needs.
  encoder->qmin = quantiser;
  encoder->qmax = quantiser;
  encoder->bit_rate = 200'000'000;
  encoder->gop_size = H264KeyFrameInterval(frameRate);
  encoder->thread_count = kEncoderThreads;
  encoder->profile = FF_PROFILE_H264_HIGH;
  encoder->color_range = AVCOL_RANGE_MPEG;
  encoder->colorspace = AVCOL_SPC_BT709;
  encoder->color_primaries = AVCOL_PRI_BT709;
  encoder->color_trc = AVCOL_TRC_BT709;
  return av_opt_set(encoder->priv_data, "rc_mode", "quality", 0) >= 0 &&
         av_opt_set_int(encoder->priv_data, "allow_skip_frames", 0, 0) >= 0;
}

}  // namespace

int Mp4Writer::Open(const std::string& path, VideoSize size, int frameRate, int quality, const VideoSound* sound,
                    int frameCount) {
  const int created =
      file_.Create(path, "mp4", "libopenh264", size.width, size.height, AV_PIX_FMT_YUV420P, frameRate);
  if (created != kVideoWritten) return created;
  if (!SetUpEncoder(file_.context(), frameRate, quality)) return kVideoEncoderFailed;
  toYuv_.reset(sws_getContext(size.width, size.height, AV_PIX_FMT_BGR24, size.width, size.height,
                              AV_PIX_FMT_YUV420P, SWS_AREA | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
  yuv_.reset(av_frame_alloc());
  if (!toYuv_ || !yuv_) return kVideoEncoderFailed;
  const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
  sws_setColorspaceDetails(toYuv_.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
  yuv_->format = AV_PIX_FMT_YUV420P;
  yuv_->width = size.width;
  yuv_->height = size.height;
  if (av_frame_get_buffer(yuv_.get(), 0) < 0) return kVideoEncoderFailed;
  if (sound && sound->frames > 0) {
    const int opened = sound_.emplace().Open(file_, *sound, frameCount, frameRate);
    if (opened != kVideoWritten) return opened;
  }
  return file_.Start("movflags=+faststart");
}

int Mp4Writer::Take(const FramePicture& picture) {
  if (av_frame_make_writable(yuv_.get()) < 0) return kVideoEncoderFailed;
  const uint8_t* source[] = {picture.top()};
  const int sourceStride[] = {static_cast<int>(picture.stride())};
  sws_scale(toYuv_.get(), source, sourceStride, 0, yuv_->height, yuv_->data, yuv_->linesize);
  const int encoded = file_.Encode(yuv_.get());
  ++taken_;
  return encoded == kVideoWritten && sound_ ? sound_->EncodeBefore(taken_ + 1) : encoded;
}

int Mp4Writer::Finish() {
  const int sound = sound_ ? sound_->Finish() : kVideoWritten;
  return sound == kVideoWritten ? file_.Finish() : sound;
}
