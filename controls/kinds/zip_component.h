// The ZipComponent of a window as the ZIP component's progress sink: Pack and Unpack raise
// their progress events through the runtime's event delivery on that unit.
#pragma once
#include "components/zip/zip.h"
#include "controls/runtime.h"

class ZipEventSink : public ProgressSink {
 public:
  // `component` is a ZipComponent unit of a window.
  explicit ZipEventSink(UnitAddress component) : component_(component) {}
  // True while the component's window is loaded.
  bool WindowExists() override;
  // Raises the event with the percent; false when the handler gave back false.
  bool Raise(ZipEvent event, int percent) override;

 private:
  UnitAddress component_;
};
