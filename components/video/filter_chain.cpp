#include "components/video/filter_chain.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

bool FilterChain::Build(const std::vector<std::string>& sources, const char* filter, const std::string& options) {
  graph_.reset(avfilter_graph_alloc());
  if (!graph_) return false;
  // The frames are few and large; the graph's own threads would only add copies.
  graph_->nb_threads = 1;
  AVFilterContext* middle = nullptr;
  if (avfilter_graph_create_filter(&middle, avfilter_get_by_name(filter), "middle", options.c_str(), nullptr,
                                   graph_.get()) < 0 ||
      avfilter_graph_create_filter(&sink_, avfilter_get_by_name("buffersink"), "sink", nullptr, nullptr,
                                   graph_.get()) < 0 ||
      avfilter_link(middle, 0, sink_, 0) < 0) {
    return false;
  }
  for (size_t i = 0; i < sources.size(); ++i) {
    AVFilterContext* source = nullptr;
    const std::string name = "source" + std::to_string(i);
    if (avfilter_graph_create_filter(&source, avfilter_get_by_name("buffer"), name.c_str(), sources[i].c_str(),
                                     nullptr, graph_.get()) < 0 ||
        avfilter_link(source, 0, middle, static_cast<unsigned>(i)) < 0) {
      return false;
    }
    sources_.push_back(source);
  }
  return avfilter_graph_config(graph_.get(), nullptr) >= 0;
}

bool FilterChain::Push(int input, AVFrame* frame) {
  return av_buffersrc_add_frame_flags(sources_.at(static_cast<size_t>(input)), frame, AV_BUFFERSRC_FLAG_KEEP_REF) >= 0;
}

int FilterChain::Pull(AVFrame* frame) {
  const int result = av_buffersink_get_frame(sink_, frame);
  if (result >= 0) return 1;
  return result == AVERROR(EAGAIN) || result == AVERROR_EOF ? 0 : -1;
}
