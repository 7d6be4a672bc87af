// Progress events of Pack and Unpack, and the stop requests a handler gives back.
#pragma once
#include <cstdint>

#include "components/zip/zip.h"

// done ÷ total × 100 truncated toward zero, never above 100. A total of 0 gives 100: it only
// happens once the work is over (nothing was counted), and a bar bound to the event should
// then stand at its end.
int PercentDone(uint64_t done, uint64_t total);

// Raises `event` with `percent` on `sink` (null: nobody listens) while the component's window
// exists, and answers whether the handler asked to stop. The window is asked again before the
// request is honoured, since a handler may have closed it.
bool RaiseAndAskStop(ProgressSink* sink, ZipEvent event, int percent);
