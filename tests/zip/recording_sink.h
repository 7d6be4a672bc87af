// A ProgressSink for tests: records every event, can ask to stop at a chosen event, and can
// pretend the component's window is gone.
#pragma once
#include <vector>

#include "components/zip/zip.h"

class RecordingSink : public ProgressSink {
 public:
  // Answers false on event number `stopAt` (1-based); 0 never stops.
  explicit RecordingSink(size_t stopAt = 0) : stopAt_(stopAt) {}

  bool WindowExists() override { return windowExists; }
  bool Raise(ZipEvent event, int percent) override {
    events.push_back(event);
    percents.push_back(percent);
    if (events.size() != stopAt_) return true;
    if (closeWindowWhenStopping) windowExists = false;
    return false;
  }

  std::vector<ZipEvent> events;
  std::vector<int> percents;
  bool windowExists = true;
  // The handler that asks to stop also closes the component's window.
  bool closeWindowWhenStopping = false;

 private:
  size_t stopAt_;
};
