// One FFmpeg filter between buffer sources and one sink: the GIF palette's counting
// (palettegen, one source) and its use (paletteuse, the frames and the palette). The graph puts
// in the pixel format conversions the filter needs.
#pragma once
#include <string>
#include <vector>

#include "components/video/ffmpeg_handles.h"

class FilterChain {
 public:
  // `sources` are buffer arguments ("video_size=..:pix_fmt=..:time_base=..") in the filter's
  // input order; `filter` and `options` name the filter and its option text. False when FFmpeg
  // refuses any part.
  bool Build(const std::vector<std::string>& sources, const char* filter, const std::string& options);
  // Hands `frame` to source `input`; null ends that input. False on refusal.
  bool Push(int input, AVFrame* frame);
  // The next frame out into `frame`: 1 one came, 0 none is ready yet or the chain has ended, -1
  // a failure.
  int Pull(AVFrame* frame);

 private:
  FilterGraphPtr graph_;
  std::vector<AVFilterContext*> sources_;
  AVFilterContext* sink_ = nullptr;
};
