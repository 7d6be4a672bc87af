// Owners for FFmpeg's objects, so that every return path frees what was made.
#pragma once
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include <memory>

struct CodecContextFree {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleFree {
  void operator()(SwsContext* scale) const { sws_freeContext(scale); }
};
struct FilterGraphFree {
  void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};
// An output context closes its file too, if one is still open.
struct OutputFree {
  void operator()(AVFormatContext* output) const {
    if (output->pb) avio_closep(&output->pb);
    avformat_free_context(output);
  }
};

using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using ScalePtr = std::unique_ptr<SwsContext, ScaleFree>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphFree>;
using OutputPtr = std::unique_ptr<AVFormatContext, OutputFree>;
