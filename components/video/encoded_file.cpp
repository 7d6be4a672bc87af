#include "components/video/encoded_file.h"

extern "C" {
#include <libavutil/opt.h>
}

#include "components/video/video.h"

namespace {

// A failed write leaves its error on the file; everything else is the encoding's own.
int WriteOrEncodeFailure(AVFormatContext* output) {
  return output->pb && output->pb->error < 0 ? kVideoWriteFailed : kVideoEncoderFailed;
}

}  // namespace

int EncodedFile::Create(const std::string& path, const char* muxer, const char* encoderName, int width,
                        int height, AVPixelFormat format, int frameRate) {
  AVFormatContext* output = nullptr;
  if (avformat_alloc_output_context2(&output, nullptr, muxer, path.c_str()) < 0) return kVideoEncoderFailed;
  output_.reset(output);
  const AVCodec* codec = avcodec_find_encoder_by_name(encoderName);
  if (!codec) return kVideoEncoderFailed;
  encoder_.reset(avcodec_alloc_context3(codec));
  packet_.reset(av_packet_alloc());
  stream_ = avformat_new_stream(output, nullptr);
  if (!encoder_ || !packet_ || !stream_) return kVideoEncoderFailed;
  encoder_->width = width;
  encoder_->height = height;
  encoder_->pix_fmt = format;
  // A frame's time counts in frames, so each frame lasts exactly one period.
  encoder_->time_base = {1, frameRate};
  encoder_->framerate = {frameRate, 1};
  encoder_->sample_aspect_ratio = {1, 1};
  if (output->oformat->flags & AVFMT_GLOBALHEADER) encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  return kVideoWritten;
}

int EncodedFile::Start(const char* muxerOptions) {
  if (avcodec_open2(encoder_.get(), encoder_->codec, nullptr) < 0) return kVideoEncoderFailed;
  if (avcodec_parameters_from_context(stream_->codecpar, encoder_.get()) < 0) return kVideoEncoderFailed;
  stream_->time_base = encoder_->time_base;
  stream_->avg_frame_rate = encoder_->framerate;
  if (avio_open(&output_->pb, output_->url, AVIO_FLAG_WRITE) < 0) return kVideoTargetRefused;
  AVDictionary* options = nullptr;
  av_dict_parse_string(&options, muxerOptions, "=", ":", 0);
  const int header = avformat_write_header(output_.get(), &options);
  av_dict_free(&options);
  return header < 0 ? WriteOrEncodeFailure(output_.get()) : kVideoWritten;
}

int EncodedFile::Encode(AVFrame* frame) {
  if (frame) frame->pts = nextFrame_++;
  if (avcodec_send_frame(encoder_.get(), frame) < 0) return kVideoEncoderFailed;
  return WritePackets();
}

int EncodedFile::WritePackets() {
  for (;;) {
    const int received = avcodec_receive_packet(encoder_.get(), packet_.get());
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return kVideoWritten;
    if (received < 0) return kVideoEncoderFailed;
    // Every frame lasts one frame period, the last one included. The GIF muxer counts in
    // hundredths of a second: the rescaled times round each frame's start, so the delays
    // between them add up to the real length.
    packet_->duration = 1;
    av_packet_rescale_ts(packet_.get(), encoder_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    const int written = WritePacket(packet_.get());
    if (written != kVideoWritten) return written;
  }
}

int EncodedFile::WritePacket(AVPacket* packet) {
  return av_interleaved_write_frame(output_.get(), packet) < 0 ? WriteOrEncodeFailure(output_.get()) : kVideoWritten;
}

int EncodedFile::Finish() {
  const int flushed = Encode(nullptr);
  if (flushed != kVideoWritten) return flushed;
  if (av_write_trailer(output_.get()) < 0) return WriteOrEncodeFailure(output_.get());
  if (output_->pb->error < 0) return kVideoWriteFailed;
  // Closing writes what is still buffered, so a full disk can show only here.
  return avio_closep(&output_->pb) < 0 ? kVideoWriteFailed : kVideoWritten;
}
