#include "components/zip/progress.h"

int PercentDone(uint64_t done, uint64_t total) {
  if (total == 0 || done >= total) return 100;
  return static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * 100.0);
}

bool RaiseAndAskStop(ProgressSink* sink, ZipEvent event, int percent) {
  if (!sink || !sink->WindowExists()) return false;
  bool goOn = sink->Raise(event, percent);
  return !goOn && sink->WindowExists();
}
