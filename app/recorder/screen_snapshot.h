// The primary screen as a picture, taken tick after tick.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "app/recorder/pointer_drawing.h"
#include "app/settings/settings.h"
#include "components/services/byte_string.h"
#include "components/services/gdi_handle.h"
#include "components/services/services.h"

// A snapshot as the two pieces of its 24-bit BMP file, to be written one after the other: the
// 54 bytes of headers, then the pixel rows (bottom-up, padded) where the screen's copy holds
// them. Both are empty when the snapshot could not be taken.
struct SnapshotFile {
  std::span<const uint8_t> headers;
  std::span<const uint8_t> rows;

  size_t size() const { return headers.size() + rows.size(); }
};

// Snapshots of the whole primary screen or a rectangle of the screen, with the mouse pointer (and the click ring) drawn over
// them when the settings ask for it: a plain copy of the screen into a 24-bit device-independent
// bitmap, whose rows are the file's rows as they lie, so no frame is converted or copied again on
// its way to the file. The screen's device context, the bitmap selected into its memory device
// context and the headers are kept from one snapshot to the next while the screen keeps its
// size: a take asks for one every 100 ms, and new memory of a frame's size costs more than the
// copy itself.
class ScreenSnapshots {
 public:
  // The screen as it is now: `area` of the virtual screen in physical pixels, or the whole
  // primary screen (measured at each snapshot) for an empty area. Empty pieces when the system
  // does not let it be read. The pieces stay valid until the next Take or Release.
  const SnapshotFile& Take(const ScreenArea& area = {});
  // Lets the bitmap, the device context and the headers go; the next Take makes them again.
  void Release();

 private:
  bool Prepare(SIZE size);
  bool CopyScreen(POINT origin);

  SIZE size_{};
  std::optional<WindowDc> screen_;
  MemoryDc dc_;
  BitmapHandle bitmap_;
  std::optional<Selection> selected_;  // the bitmap in dc_, taken out before either goes
  const uint8_t* rows_ = nullptr;
  PointerDrawing pointer_;
  ByteString headers_;
  SnapshotFile file_;
};

// The bytes the next snapshot of `area` (empty: the primary screen) takes, measured as the
// snapshot measures it, in physical pixels: the room a take needs for each frame.
uint64_t ScreenSnapshotBytes(const ScreenArea& area = {});

// Whether the screen cannot be read just now; a snapshot asks it before each copy, as if the
// system had refused the copy. Only tests install one, to play a locked workstation for a few
// ticks; none (null) is the program's own state. Gives back the one it replaces.
using ScreenUnreadable = bool (*)();
ScreenUnreadable SetScreenUnreadable(ScreenUnreadable unreadable);

// What a snapshot copies in place of the screen: paints the snapshot's bitmap (selected into
// `snapshot`, width × height) as the copy would, whatever part of the screen it is of. Only benchmarks install one, to record a take of
// pictures they make themselves through the program's own tick; none (null) is the program's own
// state. Gives back the one it replaces.
using ScreenStandIn = void (*)(HDC snapshot, int width, int height);
ScreenStandIn SetScreenStandIn(ScreenStandIn standIn);
