#include "components/video/aac_track.h"

#include <algorithm>
#include <optional>

extern "C" {
#include <libavutil/channel_layout.h>
}

#include "components/sound/sound_format.h"
#include "components/sound/wav_file.h"
#include "components/sound/wav_header.h"

namespace {

constexpr int kRateWithoutAac = 48000;
constexpr int64_t kMonoBitRate = 96'000;
constexpr int64_t kBitRatePerChannel = 64'000;

// The WAV's rate where the encoder has it, else 48000.
int TrackRate(const AVCodec* codec, int wavRate) {
  for (const int* rate = codec->supported_samplerates; rate && *rate; ++rate) {
    if (*rate == wavRate) return wavRate;
  }
  return kRateWithoutAac;
}

// `frames` at `from` sample frames a second, counted at `to`, rounded down; in two parts so no
// product overflows.
uint64_t FramesAtRate(uint64_t frames, int from, int to) {
  const uint64_t whole = frames / static_cast<uint64_t>(from);
  const uint64_t rest = frames % static_cast<uint64_t>(from);
  return whole * static_cast<uint64_t>(to) + rest * static_cast<uint64_t>(to) / static_cast<uint64_t>(from);
}

}  // namespace

int AacTrack::Open(EncodedFile& file, const VideoSound& sound, int frameCount, int frameRate) {
  const std::optional<WavShape> shape = ReadWavShape(sound.path);
  const AVCodec* codec = avcodec_find_encoder_by_name("aac");
  if (!shape) return kVideoSoundUnreadable;
  if (!codec) return kVideoEncoderFailed;
  const int rate = TrackRate(codec, shape->format.rate);
  if (!sound_.Open(sound.path, sound.firstFrame, rate)) return kVideoSoundUnreadable;
  file_ = &file;
  frameRate_ = frameRate;
  // No more than plays with the frames, which also keeps the count far from overflowing.
  const uint64_t used = std::min(sound.frames, SoundFramesBefore(frameCount + 1, frameRate, shape->format.rate));
  total_ = FramesAtRate(used, shape->format.rate, rate);
  encoder_.reset(avcodec_alloc_context3(codec));
  packet_.reset(av_packet_alloc());
  frame_.reset(av_frame_alloc());
  if (!encoder_ || !packet_ || !frame_) return kVideoEncoderFailed;
  const int channels = shape->format.channels;
  encoder_->sample_fmt = AV_SAMPLE_FMT_FLTP;
  encoder_->sample_rate = rate;
  // The speakers the WAV's channels stand for, as its header gives them.
  if (av_channel_layout_from_mask(&encoder_->ch_layout, WavSpeakerMask(channels)) < 0) return kVideoEncoderFailed;
  encoder_->bit_rate = channels == 1 ? kMonoBitRate : kBitRatePerChannel * channels;
  encoder_->time_base = {1, rate};
  if (file.output()->oformat->flags & AVFMT_GLOBALHEADER) encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (avcodec_open2(encoder_.get(), codec, nullptr) < 0) return kVideoEncoderFailed;
  stream_ = avformat_new_stream(file.output(), nullptr);
  if (!stream_ || avcodec_parameters_from_context(stream_->codecpar, encoder_.get()) < 0) return kVideoEncoderFailed;
  stream_->time_base = encoder_->time_base;
  frame_->format = AV_SAMPLE_FMT_FLTP;
  frame_->sample_rate = rate;
  frame_->nb_samples = encoder_->frame_size;
  if (av_channel_layout_copy(&frame_->ch_layout, &encoder_->ch_layout) < 0 || av_frame_get_buffer(frame_.get(), 0) < 0)
    return kVideoEncoderFailed;
  samples_.resize(static_cast<size_t>(encoder_->frame_size) * static_cast<size_t>(channels));
  return kVideoWritten;
}

int AacTrack::EncodeBefore(int videoFrame) {
  return EncodeUntil(std::min(total_, SoundFramesBefore(videoFrame, frameRate_, encoder_->sample_rate)), false);
}

int AacTrack::Finish() {
  const int encoded = EncodeUntil(total_, true);
  return encoded == kVideoWritten ? Send(nullptr) : encoded;
}

// Every AAC frame but the track's last is a whole one.
int AacTrack::EncodeUntil(uint64_t until, bool last) {
  const uint64_t frameSize = static_cast<uint64_t>(encoder_->frame_size);
  const size_t channels = static_cast<size_t>(encoder_->ch_layout.nb_channels);
  while (done_ < until && (last || until - done_ >= frameSize)) {
    const size_t count = static_cast<size_t>(std::min(frameSize, until - done_));
    if (av_frame_make_writable(frame_.get()) < 0) return kVideoEncoderFailed;
    sound_.Read(samples_.data(), count);
    for (size_t c = 0; c < channels; ++c) {
      float* plane = reinterpret_cast<float*>(frame_->extended_data[c]);
      for (size_t i = 0; i < count; ++i) plane[i] = samples_[i * channels + c];
    }
    frame_->nb_samples = static_cast<int>(count);
    frame_->pts = static_cast<int64_t>(done_);
    const int sent = Send(frame_.get());
    if (sent != kVideoWritten) return sent;
    done_ += count;
  }
  return kVideoWritten;
}

// Hands `frame` (null: the end) to the encoder and writes the packets that come out.
int AacTrack::Send(AVFrame* frame) {
  if (avcodec_send_frame(encoder_.get(), frame) < 0) return kVideoEncoderFailed;
  for (;;) {
    const int received = avcodec_receive_packet(encoder_.get(), packet_.get());
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return kVideoWritten;
    if (received < 0) return kVideoEncoderFailed;
    av_packet_rescale_ts(packet_.get(), encoder_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    const int written = file_->WritePacket(packet_.get());
    if (written != kVideoWritten) return written;
  }
}
