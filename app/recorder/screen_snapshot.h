// The primary screen as a picture, taken tick after tick.
#pragma once
#include <windows.h>

#include "components/services/gdi_handle.h"
#include "forms/form_definition.h"

// Snapshots of the whole primary screen as complete 24-bit BMP files (bottom-up rows, no
// colour table), without the mouse pointer: a plain copy of the screen into a bitmap
// compatible with it, converted to 24 bits per pixel. The bitmap, its memory device context
// and the file's buffer are kept from one snapshot to the next while the screen keeps its
// size: a take asks for one every 100 ms, and new memory of a frame's size costs more than
// the copy itself.
class ScreenSnapshots {
 public:
  // The screen as it is now. The bytes stay valid until the next Take or Release; empty when
  // the system refuses the bitmap or the conversion.
  const ByteString& Take();
  // Lets the bitmap, the device context and the buffer go; the next Take makes them again.
  void Release();

 private:
  bool Prepare(SIZE size);

  SIZE size_{};
  MemoryDc dc_;
  BitmapHandle bitmap_;
  ByteString file_;
};
