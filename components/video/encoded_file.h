// An encoder and the file its packets go to, one stream at a fixed frame rate: what the MP4 and
// the GIF writer share. Results are the codes of video.h.
#pragma once
#include <string>

#include "components/video/ffmpeg_handles.h"

class EncodedFile {
 public:
  // Makes the container `muxer` ("mp4", "gif") for `path` (UTF-8) and a context of the encoder
  // `encoderName` at the given size and pixel format, frames 1/`frameRate` second apart. The
  // caller sets the encoder's own options on context() and then calls Start.
  int Create(const std::string& path, const char* muxer, const char* encoderName, int width, int height,
             AVPixelFormat format, int frameRate);
  AVCodecContext* context() { return encoder_.get(); }
  // The container, for another stream (the MP4's sound) added before Start.
  AVFormatContext* output() { return output_.get(); }
  // Opens the encoder and the file and writes the container's header with `muxerOptions`.
  int Start(const char* muxerOptions);
  // Encodes `frame` as the next frame (its time is set here) and writes what comes out.
  int Encode(AVFrame* frame);
  // Writes a packet of any stream, its times in that stream's time base: the muxer puts the
  // streams' packets in the order of their times.
  int WritePacket(AVPacket* packet);
  // Flushes the encoder, writes the container's end and closes the file.
  int Finish();

 private:
  int WritePackets();

  OutputPtr output_;
  CodecContextPtr encoder_;
  PacketPtr packet_;
  AVStream* stream_ = nullptr;
  int64_t nextFrame_ = 0;
};
